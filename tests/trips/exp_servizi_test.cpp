// The trip export: the grid of the whole archive and "Viaggi.xls" written byte for
// byte: the sheet "Registro Viaggi", twenty headings with their widths, one row per
// trip in file order (ten empty ones for an empty archive), cells escaped.
#include <QTableView>

#include "platform/widgets.h"

#include "shell/frm_guida.h"
#include "support/export_window.h"
#include "support/helpers.h"
#include "support/scripted_host.h"
#include "trips/frm_exp_servizi.h"
#include "trips/trip_fixtures.h"

namespace {

const QByteArray kHeadAndHeadings =
    QByteArray::fromStdString(exportFileHead("Registro Viaggi")) +
    "<tr>"
    "<td style=\"text-align: left; font-weight: bold;\" width=200>Data partenza</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=200>Ora partenza</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=200>Data rientro</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=200>Ora rientro</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=250>Luogo destinazione</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=350>Itinerario</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=250>Scopo del viaggio</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=250>Marca e modello veicolo</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=200>Targa</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=250>Conduttore</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=250>Conduttore supplementare</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=350>Altre persone a bordo</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=200>Tot. viaggiatori</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=300>Merce trasportata</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=200>Tot. litri</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=200>Importo totale</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=200>Km alla partenza</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=200>Km al rientro</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=200>Km percorsi</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=180>Viaggio in corso</td></tr>";

// A trip whose every field holds "Fnn-k" (nn its number in the record), so the file
// shows which fields it took.
TripFields numbered(int k) {
  TripFields t = numberedFields(trips::tripLayout(), k);
  t["InCorso"] = "Sì";
  return t;
}
// The twenty exported fields of trip k: the first fourteen, the totals and readings
// (fields 40 to 44), the flag.
QList<QByteArray> exported(int k) {
  QList<QByteArray> out = numberedCells({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 40, 41, 42, 43, 44}, k);
  out << "S\xEC";
  return out;
}

class ExpServizi : public ExportWindowTest<TfrmExpServizi, /*overCard=*/false> {};

TEST_F(ExpServizi, EmptyArchiveExportsTheHeadingsAndTenEmptyRows) {
  run([&](TfrmExpServizi& w) {
    EXPECT_EQ(w.windowTitle(), " Esporta registro viaggi in Microsoft Excel");
    EXPECT_EQ(w.rowCount(), 10);
    click(w.cmdEsporta);
  });
  const QByteArray expected = emptyExportFile(kHeadAndHeadings, 20);
  EXPECT_EQ(dir.read("Viaggi.xls"), expected);
  EXPECT_EQ(opened.targets, QStringList{dir.file("Viaggi.xls")});
}

TEST_F(ExpServizi, TripsInFileOrderWithTheirCellsEscaped) {
  TripFields second = numbered(2);
  second["DataRientro"] = "";
  second["Merce"] = "Vini & <liquori> \"DOC\"";
  second["InCorso"] = "No";
  appendTrips({numbered(1), second});
  run([&](TfrmExpServizi& w) {
    ASSERT_EQ(w.rowCount(), 2);
    EXPECT_EQ(w.cell(1, 0), "2");
    EXPECT_EQ(w.cell(0, 20), "Sì");
    EXPECT_EQ(w.cell(1, 14), "Vini & <liquori> \"DOC\"");  // the grid shows the text as it is
    click(w.cmdEsporta);
  });
  QList<QByteArray> row2 = exported(2);
  row2[2] = "";
  row2[13] = "Vini &amp; &lt;liquori&gt; &quot;DOC&quot;";
  row2[19] = "No";
  EXPECT_EQ(dir.read("Viaggi.xls"), kHeadAndHeadings + exportDataRow(exported(1)) + exportDataRow(row2) + kExportTail);
}

TEST_F(ExpServizi, HelpHasItsTitleAndThreeParagraphs) {
  QString title, text;
  host.modalScripts.push_back([&](platform::Form& f) {
    click(f.findChild<QWidget*>("cmdGuida"));
  });
  host.modalScripts.push_back([&](platform::Form& f) {
    title = static_cast<TfrmGuida&>(f).title();
    text = static_cast<TfrmGuida&>(f).text();
  });
  TfrmExpServizi w(nullptr);
  w.showModalDialog();
  EXPECT_EQ(title, "Esportazione registro viaggi in Microsoft Excel");
  EXPECT_EQ(text.split("\r\n\r\n").size(), 3);
}

}  // namespace
