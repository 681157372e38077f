// The gate export over the archive open in the gate card: the grid (sixteen columns
// after the row number, seven editable), and "Ingressi_e_Uscite_Veicoli.xls" checked
// against bytes written out here: an empty archive, three visits with an escaped cell,
// an edited plate; a failed export keeps the earlier file.
#include <QAbstractItemModel>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>

#include "gate/gate_fixtures.h"
#include "gate/frm_exp_visite.h"
#include "gate/frm_registro.h"
#include "gate/visit_record.h"
#include "kit/messages.h"
#include "platform/widgets.h"
#include "shell/frm_guida.h"
#include "support/archive_files.h"
#include "support/export_window.h"
#include "support/helpers.h"
#include "support/scripted_host.h"
#include "support/small_disk.h"

namespace {

const QString kArchive = kGateArchive;
const QString kFile = QStringLiteral("Ingressi_e_Uscite_Veicoli.xls");

const QByteArray kHeadAndHeadings =
    QByteArray::fromStdString(exportFileHead("Ingressi e Uscite Veicoli")) +
    "<tr>"
    "<td style=\"text-align: left; font-weight: bold;\" width=180>Data ingresso</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=180>Ora ingresso</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=250>Operatore entrata</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=250>Marca e modello veicoli</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=200>Targa</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=250>Conduttore</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=300>Altre persone a bordo</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=300>Merce trasportata</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=250>Foglio di marcia</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=250>Tessere</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=250>Luogo destinazione</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=180>Cellulare</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=300>Note</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=180>Data uscita</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=180>Ora uscita</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=250>Operatore uscita</td></tr>";

class ExpVisite : public GateCardTest {
 protected:
  // Opens the export as the card does and runs `script` while it is open.
  void run(std::function<void(TfrmExpVisite&)> script) {
    host.modalScripts.push_back([&](platform::Form& f) { script(static_cast<TfrmExpVisite&>(f)); });
    TfrmExpVisite w(card);
    w.showModalDialog();
  }

  ShellOpenRecorder opened;
};

TEST_F(ExpVisite, AnEmptyArchiveExportsTheHeadingsAndTenRowsOfSixteenEmptyCells) {
  run([&](TfrmExpVisite& w) {
    EXPECT_EQ(w.objectName(), "TfrmExpVisite");
    EXPECT_EQ(w.windowTitle(), " Esporta archivio ingressi e uscite veicoli in Microsoft Excel");
    EXPECT_EQ(w.size(), QSize(862, 560));
    EXPECT_EQ(w.panInfo->text(), "Esportazione archivio in Microsoft Excel.");
    EXPECT_EQ(w.rowCount(), 10);
    QAbstractItemModel* m = w.grdRecords->model();
    ASSERT_EQ(m->columnCount(), 17);
    struct Column {
      const char* name;
      const char* header;
      int width;
      bool editable;
    } columns[] = {
        {"colNum", "N.", 60, false},
        {"colDataEnt", "Data ingresso", 120, false},
        {"colOraEnt", "Ora ingresso", 120, true},
        {"colOperatoreEnt", "Operatore entrata", 250, false},
        {"colVeicolo", "Marca e modello veicolo", 250, false},
        {"colTarga", "Targa", 150, true},
        {"colConduttore", "Conduttore", 250, false},
        {"colPersone", "Altre persone a bordo", 300, false},
        {"colMerce", "Merce trasportata", 250, false},
        {"colFoglio", "Foglio di marcia", 200, true},
        {"colTessere", "Tessere", 250, true},
        {"colLuogo", "Luogo destinazione", 250, true},
        {"colTelCel", "Tel. cellulare", 200, false},
        {"colNote", "Note", 300, true},
        {"colDataUsc", "Data uscita", 120, true},
        {"colOraUsc", "Ora uscita", 120, false},
        {"colOperatoreEsc", "Operatore uscita", 250, false},
    };
    for (int c = 0; c < 17; ++c) {
      SCOPED_TRACE(columns[c].name);
      EXPECT_EQ(m->headerData(c, Qt::Horizontal).toString(), columns[c].header);
      EXPECT_EQ(m->headerData(c, Qt::Horizontal, Qt::UserRole).toString(), columns[c].name);
      EXPECT_EQ(w.grdRecords->columnWidth(c), columns[c].width);
      EXPECT_EQ(bool(m->flags(m->index(0, c)) & Qt::ItemIsEditable), columns[c].editable);
    }
    click(w.cmdEsporta);
  });
  EXPECT_TRUE(dir.exists(kArchive));  // the missing archive was created empty
  EXPECT_EQ(host.texts(), QStringList({kit::exportmsg::kAsk, kit::exportmsg::kDone}));
  EXPECT_EQ(dir.read(kFile), emptyExportFile(kHeadAndHeadings, 16));
  EXPECT_EQ(opened.targets, QStringList{dir.file(kFile)});
}

TEST_F(ExpVisite, VisitsInFileOrderTheirCellsEscapedAndAnEditedPlate) {
  FieldTexts second = numberedFields(gate::visitLayout(), 2);
  second["Merce"] = "Vini & <liquori> \"DOC\"";
  second["DataUsc"] = "";
  second["OraUsc"] = "  ";
  appendFieldRecords(kArchive, gate::visitLayout(),
                     {numberedFields(gate::visitLayout(), 1), second, numberedFields(gate::visitLayout(), 3)});
  const QByteArray archive = dir.read(kArchive);
  run([&](TfrmExpVisite& w) {
    ASSERT_EQ(w.rowCount(), 3);
    for (int r = 0; r < 3; ++r) EXPECT_EQ(w.cell(r, 0), QString::number(r + 1));
    EXPECT_EQ(w.cell(0, 1), "F01-1");
    EXPECT_EQ(w.cell(2, 16), "F16-3");
    EXPECT_EQ(w.cell(1, 8), "Vini & <liquori> \"DOC\"");  // the grid shows the text as it is
    EXPECT_EQ(w.cell(1, 15), "");
    // The plate of visit 3 typed over on the grid, blanks around it.
    QAbstractItemModel* m = w.grdRecords->model();
    w.grdRecords->setCurrentIndex(m->index(2, 5));
    w.grdRecords->edit(m->index(2, 5));
    auto* editor = qobject_cast<QLineEdit*>(w.grdRecords->indexWidget(m->index(2, 5)));
    ASSERT_NE(editor, nullptr);
    editor->setText(QStringLiteral("  ZZ999ZZ "));
    click(w.cmdEsporta);
  });
  QList<QByteArray> row2 = numberedCells({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}, 2);
  row2[7] = "Vini &amp; &lt;liquori&gt; &quot;DOC&quot;";
  row2[13] = "";
  row2[14] = "";
  QList<QByteArray> row3 = numberedCells({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}, 3);
  row3[4] = "ZZ999ZZ";
  EXPECT_EQ(dir.read(kFile),
            kHeadAndHeadings + exportDataRow(numberedCells({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}, 1)) +
                exportDataRow(row2) + exportDataRow(row3) + kExportTail);
  EXPECT_EQ(dir.read(kArchive), archive);  // the archive itself is unchanged
}

// "No" to the first question writes nothing; "No" to the second opens nothing.
TEST_F(ExpVisite, TheTwoQuestions) {
  dir.write(kFile, "earlier export");
  host.answers = {false};
  run([&](TfrmExpVisite& w) { click(w.cmdEsporta); });
  EXPECT_EQ(host.texts(), QStringList{kit::exportmsg::kAsk});
  EXPECT_EQ(dir.read(kFile), "earlier export");

  host.clear();
  host.answers = {true, false};
  run([&](TfrmExpVisite& w) { click(w.cmdEsporta); });
  EXPECT_EQ(host.texts(), QStringList({kit::exportmsg::kAsk, kit::exportmsg::kDone}));
  EXPECT_EQ(dir.read(kFile), emptyExportFile(kHeadAndHeadings, 16));
  EXPECT_TRUE(opened.targets.isEmpty());
}

TEST(ExpVisiteFullDisk, AFailedExportKeepsTheEarlierFileWholeAndSaysSo) {
  SmallDisk disk;
  if (!disk.mounted()) GTEST_SKIP() << disk.skipReason().toStdString();
  app().createWindows();
  app().frmRegistro->openYear(QStringLiteral("2024"));
  ScriptedDialogHost host;
  ShellOpenRecorder opened;
  std::vector<FieldTexts> visits;
  for (int k = 1; k <= 40; ++k) visits.push_back(numberedFields(gate::visitLayout(), k));
  appendFieldRecords(kArchive, gate::visitLayout(), visits);
  disk.write(kFile, "earlier export");
  disk.fill();
  host.modalScripts.push_back([&](platform::Form& f) {
    auto& w = static_cast<TfrmExpVisite&>(f);
    EXPECT_EQ(w.rowCount(), 40);
    click(w.cmdEsporta);
  });
  {
    TfrmExpVisite w(app().frmRegistro);
    w.showModalDialog();
  }
  EXPECT_EQ(host.texts(), QStringList({kit::exportmsg::kAsk, kit::exportmsg::kFailed}));
  EXPECT_EQ(host.last().kind, platform::MsgKind::Plain);
  EXPECT_EQ(disk.read(kFile), "earlier export");
  EXPECT_EQ(disk.entries(), QStringList({kArchive, kFile, SmallDisk::kFiller}));
  EXPECT_TRUE(opened.targets.isEmpty());
  app().destroyWindows();
}

TEST_F(ExpVisite, HelpAndHints) {
  QString title, text;
  run([&](TfrmExpVisite& w) {
    QEvent over(QEvent::Enter);
    const std::pair<QWidget*, const char*> hints[] = {
        {w.cmdEsporta, "Esporta l'archivio in formato Microsoft Excel."},
        {w.cmdGuida, "Visualizza la pagina della guida sensibile al contesto."},
        {w.cmdEsci, "Esci da questo ambiente di lavoro."},
    };
    for (const auto& [control, hint] : hints) {
      QApplication::sendEvent(control, &over);
      EXPECT_EQ(w.panInfo->text(), QString::fromUtf8(hint));
    }
    host.modalScripts.push_back([&](platform::Form& f) {
      title = static_cast<TfrmGuida&>(f).title();
      text = static_cast<TfrmGuida&>(f).text();
    });
    click(w.cmdGuida);
  });
  EXPECT_EQ(title, "Esportazione archivio ingressi e uscite veicoli in Excel");
  const QStringList paragraphs = text.split("\r\n\r\n");
  ASSERT_EQ(paragraphs.size(), 3);
  EXPECT_TRUE(paragraphs[1].contains("crea in tempo reale un file in formato XLS contenente"));
  EXPECT_EQ(paragraphs[2],
            "A questo punto è sufficiente salvare il file sul proprio disco fisso assegnandogli un nome qualsiasi.");
}

}  // namespace
