#include "vehicles/frm_exp_autoparco.h"

#include <QAbstractItemModel>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QTableView>

#include "core/record.h"
#include "platform/shell.h"
#include "platform/widgets.h"
#include "shell/frm_guida.h"
#include "support/export_window.h"
#include "support/helpers.h"
#include "support/scripted_host.h"
#include "support/small_disk.h"
#include "support/vehicle_archive.h"
#include "vehicles/vehicle_record.h"

namespace {

// The export file's bytes up to the first data row, spelled out by hand.
const QByteArray kHeadAndHeadings =
    QByteArray::fromStdString(exportFileHead("Parco Automezzi")) +
    "<tr>"
    "<td style=\"text-align: left; font-weight: bold;\" width=250>Tipo veicolo</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=300>Destinazione ed uso</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=250>Marca</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=250>Modello</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=200>Targa</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=200>Immatricolazione</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=250>Colore</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=250>Telaio</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=300>Pneumatici</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=250>Stato veicolo</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=250>Km percorsi</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=250>Alimentazione</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=250>Cilindrata</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=250>kW</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=250>Compatibilit\xE0 ambientale</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=300>Proprietario</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=250>Autista</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=200>Tel. autista</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=250>Meccanico</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=200>Tel. meccanico</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=200>Scad. revisione</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=200>Scad. tagliando</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=200>Scad. assicurazione</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=200>Scad. bollo</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=400>Note</td></tr>";

// A vehicle whose field n (1 to 38) holds "Fnn-k", so the file shows which fields it took.
void appendVehicle(int k, const QString& note = {}) {
  VehicleFields v = numberedFields(vehicles::vehicleLayout(), k);
  if (!note.isNull()) v["Note"] = note;
  appendVehicles({v});
}

// The 25 exported fields, by their number in the record, for vehicle k.
QList<QByteArray> exportedFields(int k) {
  return numberedCells({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 13, 14, 15, 16, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32}, k);
}

class ExpAutoparco : public ExportWindowTest<TfrmExpAutoparco> {};

TEST_F(ExpAutoparco, EmptyArchiveExportsTheHeadingsAndTenEmptyRows) {
  run([&](TfrmExpAutoparco& w) {
    EXPECT_EQ(w.rowCount(), 10);
    click(w.cmdEsporta);
  });
  const QByteArray expected = emptyExportFile(kHeadAndHeadings, 25);
  const QByteArray bytes = dir.read("Parco_Automezzi.xls");
  EXPECT_EQ(bytes, expected);
  EXPECT_FALSE(bytes.contains('\r'));
  EXPECT_FALSE(bytes.contains('\n'));
  EXPECT_EQ(host.texts(),
            QStringList({"L'esportazione dei dati in Excel pu\u00F2 richiedere diversi minuti a seconda del numero di "
                         "schede presenti in archivio.\r\n\r\nSi vuole esportare i dati adesso?",
                         "Le schede in archivio sono state esportate con successo.\r\n\r\n"
                         "Si vuole aprire il file di Excel?"}));
  EXPECT_EQ(opened.targets, QStringList{dir.file("Parco_Automezzi.xls")});
}

TEST_F(ExpAutoparco, ThreeVehiclesGiveThreeNumberedRowsOfTheExportedFields) {
  appendVehicle(1);
  appendVehicle(2, QStringLiteral("Città <b>ok</b> & \"x\""));
  appendVehicle(3);
  run([&](TfrmExpAutoparco& w) {
    ASSERT_EQ(w.rowCount(), 3);
    for (int r = 0; r < 3; ++r) EXPECT_EQ(w.cell(r, 0), QString::number(r + 1));
    EXPECT_EQ(w.cell(0, 1), "F01-1");
    EXPECT_EQ(w.cell(2, 25), "F32-3");
    EXPECT_EQ(w.cell(1, 25), "Città <b>ok</b> & \"x\"");  // the grid shows the text as it is
    click(w.cmdEsporta);
  });
  QList<QByteArray> second = exportedFields(2);
  second.last() = "Citt\xE0 &lt;b&gt;ok&lt;/b&gt; &amp; &quot;x&quot;";
  const QByteArray expected =
      kHeadAndHeadings + exportDataRow(exportedFields(1)) + exportDataRow(second) + exportDataRow(exportedFields(3)) +
      kExportTail;
  EXPECT_EQ(dir.read("Parco_Automezzi.xls"), expected);
}

TEST_F(ExpAutoparco, ArchiveThatCannotBeOpenedIsNeverExported) {
  // A folder in the archive's place: the grid stays empty, silently, but the export
  // refuses to write it over the earlier file.
  ASSERT_TRUE(QDir(dir.path()).mkdir(kVehicleArchive));
  dir.write("Parco_Automezzi.xls", "earlier export");
  run([&](TfrmExpAutoparco& w) {
    EXPECT_EQ(w.rowCount(), 10);
    EXPECT_TRUE(host.boxes.empty());
    click(w.cmdEsporta);
  });
  EXPECT_EQ(host.texts(), QStringList({kit::exportmsg::kAsk, kit::exportmsg::kFailed}));
  EXPECT_EQ(host.last().kind, platform::MsgKind::Plain);
  EXPECT_EQ(dir.read("Parco_Automezzi.xls"), "earlier export");
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"Parco_Automezzi.xls"});
  EXPECT_TRUE(opened.targets.isEmpty());
}

TEST(ExpAutoparcoFullDisk, FailedExportKeepsTheEarlierFileWhole) {
  SmallDisk disk;
  if (!disk.mounted()) GTEST_SKIP() << disk.skipReason().toStdString();
  ScriptedDialogHost host;
  ShellOpenRecorder opened;
  for (int k = 1; k <= 3; ++k) appendVehicle(k);
  const QByteArray earlier = "earlier export";
  disk.write("Parco_Automezzi.xls", earlier);
  disk.fill();
  host.modalScripts.push_back([&](platform::Form& f) {
    auto& w = static_cast<TfrmExpAutoparco&>(f);
    EXPECT_EQ(w.rowCount(), 3);
    click(w.cmdEsporta);
  });
  QWidget card;
  TfrmExpAutoparco w(&card);
  w.showModalDialog();
  EXPECT_EQ(host.texts(), QStringList({kit::exportmsg::kAsk, kit::exportmsg::kFailed}));
  EXPECT_EQ(disk.read("Parco_Automezzi.xls"), earlier);
  EXPECT_EQ(disk.entries(), QStringList({"Parco_Automezzi.pro", "Parco_Automezzi.xls", SmallDisk::kFiller}));
  EXPECT_TRUE(opened.targets.isEmpty());
}

TEST_F(ExpAutoparco, WindowAndGridAsDesigned) {
  run([&](TfrmExpAutoparco& w) {
    EXPECT_EQ(w.objectName(), "TfrmExpAutoparco");
    EXPECT_EQ(w.windowTitle(), " Esportazione archivio veicoli in Microsoft Excel");
    EXPECT_EQ(w.size(), QSize(862, 560));
    EXPECT_EQ(w.kind(), platform::WindowKind::CentredOnScreen);

    struct Col {
      const char* name;
      const char* heading;
      int width;
    };
    const Col cols[] = {
        {"colNum", "N.", 60},
        {"colTipo", "Tipo veicolo", 200},
        {"colDestinazione", "Destinazione ed uso", 200},
        {"colMarca", "Marca", 200},
        {"colModello", "Modello", 200},
        {"colTarga", "Targa", 160},
        {"colAnno", "Immatricolazione", 160},
        {"colColore", "Colore", 200},
        {"colTelaio", "Telaio", 200},
        {"colPneumatici", "Pneumatici", 250},
        {"colStato", "Stato veicolo", 200},
        {"colKm", "Km percorsi", 180},
        {"colAlimentazione", "Alimentazione", 180},
        {"colCilindrata", "Cilindrata", 180},
        {"colKW", "kW", 160},
        {"colAmbiente", "Compatibilità ambientale", 200},
        {"coProprietario", "Proprietario", 250},
        {"colAutista", "Autista", 200},
        {"colTelAutista", "Tel. autista", 160},
        {"colMeccanico", "Meccanico", 200},
        {"coTelMeccanico", "Tel. meccanico", 160},
        {"colScadRevisione", "Scad. revisione", 160},
        {"colScadTagliando", "Scad. tagliando", 160},
        {"coScadAssicurazione", "Scad. assicurazione", 160},
        {"colScadBollo", "Scad. bollo", 160},
        {"colNote", "Note", 350},
    };
    QAbstractItemModel* m = w.grdRecords->model();
    ASSERT_EQ(m->columnCount(), 26);
    for (int c = 0; c < 26; ++c) {
      SCOPED_TRACE(cols[c].name);
      EXPECT_EQ(m->headerData(c, Qt::Horizontal, Qt::UserRole).toString(), cols[c].name);
      EXPECT_EQ(m->headerData(c, Qt::Horizontal).toString(), QString::fromUtf8(cols[c].heading));
      EXPECT_EQ(w.grdRecords->columnWidth(c), cols[c].width);
    }
    EXPECT_EQ(w.grdRecords->verticalHeader()->defaultSectionSize(), 21);
    EXPECT_EQ(w.panInfo->text(), "Esportazione archivio in Microsoft Excel.");
  });
}

TEST_F(ExpAutoparco, HelpShowsItsTitleAndThreeParagraphs) {
  QString title, text;
  run([&](TfrmExpAutoparco& w) {
    host.modalScripts.push_back([&](platform::Form& f) {
      auto& guida = static_cast<TfrmGuida&>(f);
      title = guida.title();
      text = guida.text();
    });
    click(w.cmdGuida);
  });
  EXPECT_EQ(host.modalShown, QStringList({"TfrmExpAutoparco", "TfrmGuida"}));
  EXPECT_EQ(title, "Esportazione archivio veicoli in Microsoft Excel");
  const QStringList paragraphs = text.split("\r\n\r\n");
  ASSERT_EQ(paragraphs.size(), 3);
  EXPECT_EQ(paragraphs[2],
            "A questo punto \u00E8 sufficiente salvare il file sul proprio disco fisso assegnandogli un nome "
            "qualsiasi.");
}

}  // namespace
