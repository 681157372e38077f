// The mileage export: the grid of every deadline and the file it writes, against
// bytes spelled out here.
#include <QAbstractItemModel>
#include <QTableView>

#include "maintenance/frm_exp_chilometrico.h"
#include "platform/widgets.h"
#include "shell/frm_guida.h"
#include "support/export_window.h"
#include "support/helpers.h"
#include "support/mileage_archive.h"
#include "support/scripted_host.h"

namespace {

const QString kFile = QStringLiteral("Scadenzario_Chilometrico.xls");

// The export file's bytes up to the first data row, spelled out by hand.
const QByteArray kHeadAndHeadings =
    QByteArray::fromStdString(exportFileHead("Scadenzario Chilometrico")) +
    "<tr>"
    "<td style=\"text-align: left; font-weight: bold;\" width=250>Tipo veicolo</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=250>Marca</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=250>Modello</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=250>Colore</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=250>Alimentazione</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=200>Targa</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=250>Conduttore</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=250>Codice fiscale</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=250>Recapito preferenziale</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=250>Tipo manutenzione</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=350>Dettagli intervento</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=250>Officina incaricata</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=200>Costo intervento</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=200>Data intervento</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=220>Km iniziali</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=200>Data iniziale</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=220>Manutenzione ogni km</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=220>Scadenza a km</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=220>Km attuali</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=200>Data attuale</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=220>Stato manutenzione</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=400>Note</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=200>Manutenzione effettuata</td></tr>";

// A deadline whose field n (1 to 23) holds "Fnn-k", so the file shows which field went where.
void appendDeadline(int k, DeadlineFields more = {}) {
  DeadlineFields d = numberedFields(maintenance::mileageLayout(), k);
  for (const auto& [name, text] : more) d[name] = text;
  appendDeadlines({d});
}

// The fields in the file's order for deadline k: the notes (23) before the done flag
// (22, two characters wide: "F2").
QList<QByteArray> exportedFields(int k) {
  QList<QByteArray> out =
      numberedCells({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 23}, k);
  out << "F2";
  return out;
}

class ExpChilometrico : public ExportWindowTest<TfrmExpChilometrico> {};

TEST_F(ExpChilometrico, EmptyArchiveExportsTheHeadingsAndTenEmptyRows) {
  run([&](TfrmExpChilometrico& w) {
    EXPECT_EQ(w.rowCount(), 10);
    click(w.cmdEsporta);
  });
  const QByteArray expected = emptyExportFile(kHeadAndHeadings, 23);
  EXPECT_EQ(dir.read(kFile), expected);
  EXPECT_TRUE(dir.exists(kMileageArchive));  // created empty on opening
  EXPECT_EQ(opened.targets, QStringList{dir.file(kFile)});
}

TEST_F(ExpChilometrico, ThreeDeadlinesGiveThreeNumberedRowsWithTheNotesBeforeTheDoneFlag) {
  appendDeadline(1);
  appendDeadline(2, {{"Note", "Olio <5W30> & filtro \"x\""}, {"Effettuata", "Sì"}});
  appendDeadline(3);
  run([&](TfrmExpChilometrico& w) {
    ASSERT_EQ(w.rowCount(), 3);
    for (int r = 0; r < 3; ++r) EXPECT_EQ(w.cell(r, 0), QString::number(r + 1));
    EXPECT_EQ(w.cell(0, 22), QStringLiteral("F23-1"));
    EXPECT_EQ(w.cell(1, 22), QStringLiteral("Olio <5W30> & filtro \"x\""));  // shown as it is
    EXPECT_EQ(w.cell(1, 23), QStringLiteral("Sì"));
    click(w.cmdEsporta);
  });
  QList<QByteArray> second = exportedFields(2);
  second[21] = "Olio &lt;5W30&gt; &amp; filtro &quot;x&quot;";
  second[22] = "S\xEC";
  EXPECT_EQ(dir.read(kFile),
            kHeadAndHeadings + exportDataRow(exportedFields(1)) + exportDataRow(second) +
                exportDataRow(exportedFields(3)) + kExportTail);
}

TEST_F(ExpChilometrico, WindowColumnsAndHelp) {
  QString title, text;
  run([&](TfrmExpChilometrico& w) {
    EXPECT_EQ(w.objectName(), QStringLiteral("TfrmExpChilometrico"));
    EXPECT_EQ(w.windowTitle(), QStringLiteral(" Esporta scadenzario chilometrico in Microsoft Excel"));
    QAbstractItemModel* m = w.grdRecords->model();
    ASSERT_EQ(m->columnCount(), 24);
    EXPECT_EQ(m->headerData(0, Qt::Horizontal).toString(), QStringLiteral("N."));
    // Only the plate, the current reading and date, the state and the done flag may be changed.
    for (int c = 0; c < 24; ++c) {
      const bool editable = m->flags(m->index(0, c)) & Qt::ItemIsEditable;
      EXPECT_EQ(editable, c == 6 || c == 19 || c == 20 || c == 21 || c == 23) << c;
    }
    host.modalScripts.push_back([&](platform::Form& f) {
      auto& guida = static_cast<TfrmGuida&>(f);
      title = guida.title();
      text = guida.text();
    });
    click(w.cmdGuida);
  });
  EXPECT_EQ(title, QStringLiteral("Esportazione scadenzario chilometrico in Excel"));
  EXPECT_EQ(text.split(QStringLiteral("\r\n\r\n")).size(), 3);
}

}  // namespace
