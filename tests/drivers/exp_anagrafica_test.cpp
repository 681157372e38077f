// The driver export: the grid filled from the driver archive and "Conducenti.xls"
// written from it, against bytes spelled out here.
#include "drivers/frm_exp_anagrafica.h"

#include <QAbstractItemModel>
#include <QLabel>
#include <QTableView>
#include <map>

#include "drivers/driver_record.h"
#include "platform/qtext.h"
#include "shell/frm_guida.h"
#include "support/app/driver_archive.h"
#include "support/export_window.h"
#include "platform/widgets.h"
#include "support/helpers.h"
#include "support/scripted_host.h"

namespace {

using Fields = DriverFields;

const QByteArray kHeadAndHeadings =
    QByteArray::fromStdString(exportFileHead("Anagrafica Conduttori")) + "<tr>" + exportHeading(250, "Cognome e nome") +
    exportHeading(250, "Patenti di guida") + exportHeading(250, "Recapito preferenziale") + exportHeading(300, "Via e numero civico") +
    exportHeading(250, "Citt\xE0") + exportHeading(250, "Compensi pattuiti") + exportHeading(200, "Tel. casa") +
    exportHeading(200, "Tel. ufficio") + exportHeading(200, "Tel. cellulare") + exportHeading(250, "PEC") + exportHeading(250, "E-mail") +
    exportHeading(250, "Codice fiscale") + exportHeading(250, "Carta di credito n.") + exportHeading(250, "Data scadenza") +
    exportHeading(250, "Partita IVA") + exportHeading(300, "IBAN") + exportHeading(250, "Tipo veicolo") +
    exportHeading(250, "Marca e modello") + exportHeading(200, "Colore") + exportHeading(200, "Alimentazione") + exportHeading(200, "Targa") +
    exportHeading(250, "Programma ferie") + exportHeading(400, "Note") + exportHeading(150, "In ferie") + exportHeading(150, "Trasferte") +
    "</tr>";

// A driver whose every text field holds its own name and k, so the file shows which
// field went where.
Fields full(int k) {
  Fields d;
  for (const char* name : {"Conducente", "Patenti", "Recapito", "Via", "Cap", "Citta", "Compensi", "TelCasa", "TelUff",
                           "TelCel", "Fax", "Email", "CodFisc", "Carta", "ScadeCarta", "Iban", "Veicolo", "Marca",
                           "Modello", "Colore", "Alimentazione", "Targa", "Programma", "Note", "File01", "Desc03"})
    d[name] = QStringLiteral("%1-%2").arg(QLatin1String(name)).arg(k);
  d["Prov"] = "PV";
  d["PartitaIva"] = QStringLiteral("0123456789%1").arg(k);
  d["Ferie"] = "Sì";
  d["Trasferte"] = "No";
  return d;
}
QList<QByteArray> fullRow(int k) {
  const QByteArray n = QByteArray::number(k);
  return {"Conducente-" + n, "Patenti-" + n,  "Recapito-" + n, "Via-" + n,
          "Cap-" + n + " Citta-" + n + " PV",
          "Compensi-" + n,   "TelCasa-" + n,  "TelUff-" + n,   "TelCel-" + n,   "Fax-" + n,  "Email-" + n,
          "CodFisc-" + n,    "Carta-" + n,    "ScadeCarta-" + n, "0123456789" + n, "Iban-" + n, "Veicolo-" + n,
          "Marca-" + n + " Modello-" + n,     "Colore-" + n,   "Alimentazione-" + n, "Targa-" + n,
          "Programma-" + n,  "Note-" + n,     "S\xEC",         "No"};
}

class ExpAnagrafica : public ExportWindowTest<TfrmExpAnagrafica> {};

TEST_F(ExpAnagrafica, EmptyArchiveExportsTheHeadingsAndTenEmptyRows) {
  run([&](TfrmExpAnagrafica& w) {
    EXPECT_EQ(w.rowCount(), 10);
    click(w.cmdEsporta);
  });
  QByteArray expected = kHeadAndHeadings;
  for (int i = 0; i < 10; ++i) expected += exportDataRow(QList<QByteArray>(25, QByteArray()));
  EXPECT_EQ(dir.read("Conducenti.xls"), expected + kExportTail);
  EXPECT_EQ(opened.targets, QStringList{dir.file("Conducenti.xls")});
}

TEST_F(ExpAnagrafica, ThreeDriversGiveThreeNumberedRowsTrimmedAndEscaped) {
  Fields noCap = full(2);
  noCap.erase("Cap");
  noCap["Note"] = "<b>urgente</b> & \"subito\"";
  Fields least = {{"Conducente", "Verdi"}, {"Marca", "Fiat"}, {"Modello", "Panda"}, {"Targa", "AB123CD"},
                  {"Ferie", "No"},         {"Trasferte", "No"}};
  appendDrivers({full(1), noCap, least});
  run([&](TfrmExpAnagrafica& w) {
    ASSERT_EQ(w.rowCount(), 3);
    for (int r = 0; r < 3; ++r) EXPECT_EQ(w.cell(r, 0), QString::number(r + 1));
    EXPECT_EQ(w.cell(1, 5), " Citta-2 PV");  // the grid keeps the blank of the empty postal code
    EXPECT_EQ(w.cell(2, 5), "  ");
    EXPECT_EQ(w.cell(0, 24), "Sì");
    click(w.cmdEsporta);
  });
  QList<QByteArray> second = fullRow(2);
  second[4] = "Citta-2 PV";  // the file's cell is trimmed
  second[22] = "&lt;b&gt;urgente&lt;/b&gt; &amp; &quot;subito&quot;";
  QList<QByteArray> third(25, QByteArray());
  third[0] = "Verdi";
  third[17] = "Fiat Panda";
  third[20] = "AB123CD";
  third[23] = "No";
  third[24] = "No";
  const QByteArray expected =
      kHeadAndHeadings + exportDataRow(fullRow(1)) + exportDataRow(second) + exportDataRow(third) + kExportTail;
  EXPECT_EQ(dir.read("Conducenti.xls"), expected);
}

TEST_F(ExpAnagrafica, WindowGridHeadersAndHelp) {
  QString title, text;
  run([&](TfrmExpAnagrafica& w) {
    EXPECT_EQ(w.objectName(), "TfrmExpAnagrafica");
    EXPECT_EQ(w.windowTitle(), " Esporta archivio conduttori in Microsoft Excel");
    EXPECT_EQ(w.kind(), platform::WindowKind::CentredOnScreen);
    QAbstractItemModel* m = w.grdRecords->model();
    ASSERT_EQ(m->columnCount(), 26);
    EXPECT_EQ(m->headerData(0, Qt::Horizontal).toString(), "N.");
    EXPECT_EQ(m->headerData(4, Qt::Horizontal).toString(), "Via / Piazza e numero civico");
    EXPECT_EQ(m->headerData(5, Qt::Horizontal).toString(), "Città");
    EXPECT_EQ(m->headerData(25, Qt::Horizontal).toString(), "Trasferte");
    // Only the two flag columns may be changed on the grid.
    for (int c = 0; c < 26; ++c)
      EXPECT_EQ(bool(m->flags(m->index(0, c)) & Qt::ItemIsEditable), c >= 24) << c;
    EXPECT_EQ(w.panInfo->text(), "Esportazione archivio in Microsoft Excel.");
    host.modalScripts.push_back([&](platform::Form& f) {
      auto& guida = static_cast<TfrmGuida&>(f);
      title = guida.title();
      text = guida.text();
    });
    click(w.cmdGuida);
  });
  EXPECT_EQ(title, "Esportazione archivio conduttori in Microsoft Excel");
  EXPECT_EQ(text.split("\r\n\r\n").size(), 3);
}

}  // namespace
