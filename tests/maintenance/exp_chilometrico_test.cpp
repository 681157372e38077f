// The mileage export: the grid of every deadline and the file it writes, against
// bytes spelled out here.
#include <QAbstractItemModel>
#include <QTableView>

#include "maintenance/frm_exp_chilometrico.h"
#include "platform/widgets.h"
#include "shell/frm_guida.h"
#include "support/export_file_bytes.h"
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
const QByteArray kTail = QByteArray::fromStdString(kExportFileTail);

QByteArray dataRow(const QList<QByteArray>& cells) {
  QByteArray out = "<tr>";
  for (const QByteArray& c : cells) out += "<td style=\"text-align: left;\">" + c + "</td>";
  return out + "</tr>";
}

// A deadline whose field n (1 to 23) holds "Fnn-k", so the file shows which field went where.
void appendDeadline(int k, DeadlineFields more = {}) {
  const core::RecordLayout& layout = maintenance::mileageLayout();
  DeadlineFields d;
  for (std::size_t i = 0; i < layout.fieldCount(); ++i)
    d[layout.field(i).name] = QStringLiteral("F%1-%2").arg(i + 1, 2, 10, QLatin1Char('0')).arg(k);
  for (const auto& [name, text] : more) d[name] = text;
  appendDeadlines({d});
}

// The fields in the file's order for deadline k: the notes (23) before the done flag
// (22, two characters wide: "F2").
QList<QByteArray> exportedFields(int k) {
  QList<QByteArray> out;
  for (int n = 1; n <= 21; ++n) out << QStringLiteral("F%1-%2").arg(n, 2, 10, QLatin1Char('0')).arg(k).toLatin1();
  out << QStringLiteral("F23-%1").arg(k).toLatin1() << "F2";
  return out;
}

class ExpChilometrico : public ::testing::Test {
 protected:
  void run(std::function<void(TfrmExpChilometrico&)> script) {
    host.modalScripts.push_back([&](platform::Form& f) { script(static_cast<TfrmExpChilometrico&>(f)); });
    QWidget card;
    TfrmExpChilometrico w(&card);
    w.showModalDialog();
  }

  TempExeDir dir;
  ScriptedDialogHost host;
  ShellOpenRecorder opened;
};

TEST_F(ExpChilometrico, EmptyArchiveExportsTheHeadingsAndTenEmptyRows) {
  run([&](TfrmExpChilometrico& w) {
    EXPECT_EQ(w.rowCount(), 10);
    click(w.cmdEsporta);
  });
  QByteArray expected = kHeadAndHeadings;
  for (int i = 0; i < 10; ++i) expected += dataRow(QList<QByteArray>(23, QByteArray()));
  expected += kTail;
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
            kHeadAndHeadings + dataRow(exportedFields(1)) + dataRow(second) + dataRow(exportedFields(3)) + kTail);
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
