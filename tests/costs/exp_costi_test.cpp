// The cost export: the grid of the year open on the cost card and the file it writes,
// against bytes spelled out here (an empty archive, three payments, an amount changed
// on the grid), the window's columns and help, and the archive that cannot be read.
#include <QAbstractItemModel>
#include <QDir>
#include <QLabel>
#include <QTableView>

#include "app/app.h"
#include "costs/cost_fixtures.h"
#include "costs/frm_costi.h"
#include "costs/frm_exp_costi.h"
#include "kit/messages.h"
#include "shell/frm_guida.h"
#include "support/export_window.h"
#include "support/helpers.h"
#include "support/scripted_host.h"

namespace {

const QString kFile = QStringLiteral("Costi_Sostenuti.xls");

// The export file's bytes up to the first data row, spelled out by hand.
const QByteArray kHeadAndHeadings =
    QByteArray::fromStdString(exportFileHead("Costi Sostenuti")) +
    "<tr>"
    "<td style=\"text-align: left; font-weight: bold;\" width=150>Data saldo</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=250>Luogo</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=250>Tipo veicolo</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=250>Marca</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=250>Modello</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=200>Colore</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=200>Alimentazione</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=200>Targa</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=250>Causale pagamento</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=300>Descrizione costi</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=250>Modalit\xE0 di pagamento</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=250>Estremi ricevuta</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=200>Importo in euro</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=250>Pagatore</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=250>Tel. pagatore</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=250>Beneficiario</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=250>Tel. beneficiario</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=250>Conduttore o responsabile</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=250>Tel. conduttore</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=300>Note</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=200>Saldato</td></tr>";

// A payment whose field n (1 to 24) holds "Fnn-k", so the file shows which field went where.
CostFields numbered(int k, CostFields more = {}) {
  CostFields c = numberedFields(costs::costLayout(), k);
  for (const auto& [name, text] : more) c[name] = text;
  return c;
}

// The cells of payment k in the file's order: the date (4) to the driver's telephone
// (22), the notes (24), then the settled flag (23, two characters wide: "F2").
QList<QByteArray> exportedFields(int k) {
  QList<QByteArray> out =
      numberedCells({4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 24}, k);
  out << "F2";
  return out;
}

// The export opened from the cost card of 2023, as its picture does.
class ExpCosti : public ::testing::Test {
 protected:
  void SetUp() override {
    card = new TfrmCosti(nullptr);
    app().adopt(card);
    app().frmCosti = card;
    card->openYear(QStringLiteral("2023"));
  }
  void TearDown() override { app().destroyWindows(); }

  void run(std::function<void(TfrmExpCosti&)> script) {
    host.modalScripts.push_back([&](platform::Form& f) { script(static_cast<TfrmExpCosti&>(f)); });
    click(card->cmdEsporta);
  }

  TempExeDir dir;
  ScriptedDialogHost host;
  ShellOpenRecorder opened;
  TfrmCosti* card = nullptr;
};

TEST_F(ExpCosti, AYearWithoutFileExportsTheHeadingsAndTenEmptyRows) {
  run([&](TfrmExpCosti& w) {
    EXPECT_EQ(w.rowCount(), 10);
    EXPECT_EQ(w.cell(0, 0), "");
    click(w.cmdEsporta);
  });
  const QByteArray bytes = dir.read(kFile);
  EXPECT_EQ(bytes, emptyExportFile(kHeadAndHeadings, 21));
  EXPECT_FALSE(bytes.contains('\n'));
  EXPECT_EQ(dir.read("2023.eur").size(), 0);  // created empty on opening
  EXPECT_TRUE(dir.exists("2023.eur"));
  EXPECT_EQ(host.texts(), QStringList({kit::exportmsg::kAsk, kit::exportmsg::kDone}));
  EXPECT_EQ(opened.targets, QStringList{dir.file(kFile)});
}

TEST_F(ExpCosti, ThreePaymentsGiveThreeNumberedRowsWithTheNotesBeforeTheSettledFlag) {
  appendCosts("2023", {numbered(1),
                       numbered(2, {{"Note", "Olio <5W30> & filtro"}, {"Saldato", "Sì"}, {"Luogo", "  Milano  "}}),
                       numbered(3, {{"Saldato", "No"}})});
  run([&](TfrmExpCosti& w) {
    ASSERT_EQ(w.rowCount(), 3);
    for (int r = 0; r < 3; ++r) EXPECT_EQ(w.cell(r, 0), QString::number(r + 1));
    EXPECT_EQ(w.cell(0, 1), "F04-1");
    EXPECT_EQ(w.cell(1, 2), "Milano");
    EXPECT_EQ(w.cell(1, 20), "Olio <5W30> & filtro");  // shown as it is
    EXPECT_EQ(w.cell(1, 21), "Sì");
    click(w.cmdEsporta);
  });
  QList<QByteArray> second = exportedFields(2);
  second[1] = "Milano";
  second[19] = "Olio &lt;5W30&gt; &amp; filtro";
  second[20] = "S\xEC";
  QList<QByteArray> third = exportedFields(3);
  third[20] = "No";
  EXPECT_EQ(dir.read(kFile), kHeadAndHeadings + exportDataRow(exportedFields(1)) + exportDataRow(second) +
                                 exportDataRow(third) + kExportTail);
}

TEST_F(ExpCosti, AnAmountChangedOnTheGridIsWhatTheFileHolds) {
  appendCosts("2023", {numbered(1), numbered(2)});
  const QByteArray archive = dir.read("2023.eur");
  run([&](TfrmExpCosti& w) {
    QAbstractItemModel* m = w.grdRecords->model();
    ASSERT_TRUE(m->setData(m->index(1, 13), QStringLiteral(" 99,90 "), Qt::EditRole));
    EXPECT_EQ(w.cell(1, 13), " 99,90 ");
    click(w.cmdEsporta);
    // Exported again after one more change: the file is written whole each time.
    ASSERT_TRUE(m->setData(m->index(0, 21), QStringLiteral("Sì"), Qt::EditRole));
    click(w.cmdEsporta);
  });
  QList<QByteArray> second = exportedFields(2);
  second[12] = "99,90";  // trimmed
  QList<QByteArray> first = exportedFields(1);
  first[20] = "S\xEC";
  EXPECT_EQ(dir.read(kFile), kHeadAndHeadings + exportDataRow(first) + exportDataRow(second) + kExportTail);
  EXPECT_EQ(dir.read("2023.eur"), archive);  // the grid never reaches the archive
}

TEST_F(ExpCosti, AnArchiveThatCannotBeReadIsNeverExported) {
  ASSERT_TRUE(QDir(dir.path()).mkdir("2023.eur"));
  dir.write(kFile, "earlier export");
  run([&](TfrmExpCosti& w) {
    EXPECT_EQ(w.rowCount(), 10);
    EXPECT_TRUE(host.boxes.empty());
    click(w.cmdEsporta);
  });
  EXPECT_EQ(host.texts(), QStringList({kit::exportmsg::kAsk, kit::exportmsg::kFailed}));
  EXPECT_EQ(host.last().kind, platform::MsgKind::Plain);
  EXPECT_EQ(dir.read(kFile), "earlier export");
  EXPECT_TRUE(opened.targets.isEmpty());
}

TEST_F(ExpCosti, WindowColumnsAndHelp) {
  QString title, text;
  run([&](TfrmExpCosti& w) {
    EXPECT_EQ(w.objectName(), "TfrmExpCosti");
    EXPECT_EQ(w.windowTitle(), " Esporta archivio costi sostenuti");
    EXPECT_EQ(w.parentWidget(), card);
    EXPECT_EQ(w.panInfo->text(), "Esportazione archivio in Microsoft Excel.");
    QAbstractItemModel* m = w.grdRecords->model();
    ASSERT_EQ(m->columnCount(), 22);
    const std::pair<const char*, int> grid[] = {
        {"N.", 60},           {"Data saldo", 150},         {"Luogo", 250},           {"Tipo veicolo", 250},
        {"Marca", 250},       {"Modello", 250},            {"Colore", 200},          {"Alimentazione", 200},
        {"Targa", 200},       {"Causale pagamento", 250},  {"Descrizione costi", 300},
        {"Modalità di pagamento", 250}, {"Estremi ricevuta", 250}, {"Importo in euro", 180}, {"Pagatore", 250},
        {"Tel. pagatore", 200}, {"Beneficiario", 250},     {"Tel. beneficiario", 200},
        {"Conduttore o responsabile", 250}, {"Tel. conduttore", 200}, {"Note", 300}, {"Saldato", 120}};
    for (int c = 0; c < 22; ++c) {
      SCOPED_TRACE(c);
      EXPECT_EQ(m->headerData(c, Qt::Horizontal).toString(), QString::fromUtf8(grid[c].first));
      EXPECT_EQ(w.grdRecords->columnWidth(c), grid[c].second);
      const bool editable = m->flags(m->index(0, c)) & Qt::ItemIsEditable;
      EXPECT_EQ(editable, (c >= 12 && c <= 17) || c == 21);
    }
    host.modalScripts.push_back([&](platform::Form& f) {
      auto& guida = static_cast<TfrmGuida&>(f);
      title = guida.title();
      text = guida.text();
    });
    click(w.cmdGuida);
  });
  EXPECT_EQ(title, "Esportazione archivio costi sostenuti in Excel");
  const QStringList paragraphs = text.split("\r\n\r\n");
  ASSERT_EQ(paragraphs.size(), 3);
  EXPECT_TRUE(paragraphs[1].contains("crea in tempo reale un file in formato XLS contenente"));
  EXPECT_TRUE(paragraphs[2].startsWith("A questo punto"));
}

}  // namespace
