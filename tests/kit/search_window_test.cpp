// The shared search and list window, driven by settings the way later windows use it:
// a yearly archive, a list window with its selection rule, a double-click into the
// app's own card, the find switches.
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <array>

#include "kit/list_find.h"
#include "kit/search_window.h"
#include "platform/qtext.h"
#include "support/archive_files.h"
#include "support/helpers.h"
#include "support/result_list.h"
#include "support/scripted_host.h"
#include "support/stand_in_windows.h"

namespace {

constexpr std::array<core::FieldDef, 3> kFields{{{"Nome", 20}, {"Citta", 20}, {"Stato", 10}}};
const core::RecordLayout& layout() {
  static const core::RecordLayout l(kFields);
  return l;
}

QString gYear = QStringLiteral("2024");

void append(const QString& file, const std::vector<std::array<QString, 3>>& rows) {
  std::vector<core::RecordBuffer> records;
  for (const auto& row : rows) {
    core::RecordBuffer r(layout());
    for (std::size_t i = 0; i < 3; ++i) r.set(i, platform::toCore(row[i]));
    records.push_back(r);
  }
  appendRecords(file, layout().size(), records);
}

core::LineFormat lineFormat() {
  using namespace core::line;
  return core::LineFormat({column({0}, 10), literal(u" - "), rest({1})});
}

kit::ListSettings searchSettings() {
  kit::ListSettings s;
  s.windowClass = "TfrmTrovaProva";
  s.caption = " Trova prove";
  s.archive.layout = &layout();
  s.archive.yearlyName = [] { return gYear + ".prv"; };
  s.line = lineFormat();
  s.filters = {{"txtNome", "Nome:", 0, "effCampo01"}, {"txtCitta", "Città:", 1, "effCampo02"}};
  s.counter = "Il presente elenco contiene %1 schede.";
  s.doubleClick = true;
  s.targets = {{"registro", "TfrmProva", {{"txtNome", {0}}, {"txtLuogo", {1, 2}}}, true, {}}};
  return s;
}

kit::ListSettings listSettings() {
  kit::ListSettings s;
  s.windowClass = "TfrmElencoProva";
  s.caption = " Elenco prove";
  s.archive.layout = &layout();
  s.archive.fileName = "Prove.pro";
  s.line = lineFormat();
  s.select = [](const core::RecordBuffer& r, const core::Date& today) {
    EXPECT_TRUE(today.valid());
    const core::Text state = r.get(2);
    return state == u"fine" ? core::Verdict::Stop : state == u"no" ? core::Verdict::Skip : core::Verdict::Take;
  };
  s.explanation = "Spiegazione";
  s.findBox = false;
  return s;
}

// The app's own card, as the list window sees it.
platform::Form* addCard(StandInWindows& windows) {
  auto* card = new platform::Form(nullptr, "TfrmProva", platform::WindowKind::Maximized, " Prova", 300, 200);
  for (const char* name : {"txtNome", "txtLuogo", "lblPosizione"}) {
    QWidget* w = QString(name).startsWith("lbl") ? static_cast<QWidget*>(new QLabel(card)) : new QLineEdit(card);
    w->setObjectName(name);
  }
  windows.adopt(card);
  return card;
}

class SearchWindowTest : public ::testing::Test {
 protected:
  void TearDown() override { gYear = "2024"; }
  StandInWindows windows;
  TempExeDir dir;
  ScriptedDialogHost host;
};

TEST_F(SearchWindowTest, AYearlyArchiveIsNamedAtEachSearch) {
  append("2023.prv", {{"Anna", "Roma", ""}});
  append("2024.prv", {{"Bruno", "Milano", ""}, {"bianca", "Torino", ""}});
  kit::SearchWindow w(nullptr, searchSettings());
  w.show();
  EXPECT_TRUE(w.lblMemory()->isHidden());
  EXPECT_EQ(w.lblTrovate->text(), "Il presente elenco contiene 0 schede.");
  w.filterEdit("txtNome")->setText("B");
  click(w.btnCerca);
  EXPECT_EQ(listLines(w.lstRecords), (QStringList{"bianca     - Torino", "Bruno      - Milano"}));
  EXPECT_EQ(w.lblTrovate->text(), "Il presente elenco contiene 2 schede.");
  EXPECT_EQ(w.lblConta->text(), "1");

  gYear = "2023";
  kit::SearchWindow other(nullptr, searchSettings());
  other.show();
  click(other.btnCerca);
  EXPECT_EQ(listLines(other.lstRecords), (QStringList{"Anna       - Roma"}));
}

TEST_F(SearchWindowTest, DoubleClickWritesOnlyForItsOwnKeyWordAndTheLastEqualRecordWins) {
  append("2024.prv", {{"Carlo", "Napoli", "A"}, {"Dario", "Bari", "B"}, {"Carlo", "Napoli", "C"}});
  for (const QString keyWord : {"registro", "costi"}) {
    SCOPED_TRACE(keyWord.toStdString());
    platform::Form* card = addCard(windows);
    kit::SearchWindow w(nullptr, searchSettings());
    w.setMemory(keyWord);
    w.show();
    click(w.btnCerca);
    kit::selectRow(w.lstRecords, 0);  // "Carlo - Napoli", twice in the file
    w.lstRecordsDblClick();
    EXPECT_FALSE(w.isVisible());
    const bool writes = keyWord == "registro";
    EXPECT_EQ(find<QLineEdit>(card, "txtNome")->text(), writes ? "Carlo" : "");
    EXPECT_EQ(find<QLineEdit>(card, "txtLuogo")->text(), writes ? "Napoli C" : "");
    EXPECT_EQ(find<QLabel>(card, "lblPosizione")->text(), writes ? "3" : "");
    windows.clear();
  }
}

TEST_F(SearchWindowTest, AListWindowFillsWhenShownWithItsSelectionRule) {
  append("Prove.pro", {{"Elio", "Como", ""}, {"Franco", "Lodi", "no"}, {"ada", "Pisa", ""}, {"Gino", "Asti", "fine"},
                       {"Ugo", "Bra", ""}});
  kit::SearchWindow w(nullptr, listSettings());
  EXPECT_EQ(w.panAvvio, nullptr);
  EXPECT_EQ(w.txtTrova, nullptr);
  EXPECT_EQ(w.lblTrovate, nullptr);
  EXPECT_EQ(w.findChild<QObject*>("lblMemory"), nullptr);
  w.show();
  EXPECT_TRUE(w.panContainer->isVisible());
  EXPECT_EQ(w.lblRigo03->text(), "Spiegazione");
  // "Chiudi" bottom left, "Stampa" bottom right, on one line.
  EXPECT_EQ(w.btnChiudi->x(), 12);
  EXPECT_EQ(w.btnStampa->geometry().right(), w.panContainer->width() - 19);
  EXPECT_EQ(w.btnChiudi->y(), w.btnStampa->y());
  // Skip leaves one out, Stop ends the list after its own record.
  EXPECT_EQ(listLines(w.lstRecords), (QStringList{"ada        - Pisa", "Elio       - Como"}));

  // No double-click: the list stays open.
  kit::selectRow(w.lstRecords, 0);
  const QRect r = lineRect(w.lstRecords, 0);
  QTest::mouseDClick(w.lstRecords->viewport(), Qt::LeftButton, Qt::NoModifier, r.center());
  EXPECT_TRUE(w.isVisible());
  click(w.btnChiudi);
  EXPECT_FALSE(w.isVisible());
  EXPECT_EQ(listCount(w.lstRecords), 0);
}

TEST_F(SearchWindowTest, LinesGivenByTheWindowKeepTheirOrderAndAreTakenAtEachShow) {
  // No archive at all: the window's own lines, in its own order, never sorted.
  QStringList given = {"zeta", "Alfa", "beta", "alfa"};
  kit::ListSettings s;
  s.windowClass = "TfrmOrdineProva";
  s.caption = " Ordine prove";
  s.lines = [&given] {
    core::LineList lines;
    for (const QString& line : given) lines.add(platform::toCore(line));
    return lines;
  };
  kit::SearchWindow w(nullptr, s);
  w.show();
  EXPECT_EQ(listLines(w.lstRecords), given);
  w.txtTrova->setText("ALFA");
  click(w.btnTrova);
  EXPECT_EQ(kit::selectedRow(w.lstRecords), 1);
  click(w.btnChiudi);
  given = {"seconda", "prima"};
  w.show();
  EXPECT_EQ(listLines(w.lstRecords), given);
  EXPECT_TRUE(host.boxes.empty());
  EXPECT_TRUE(QDir(dir.path()).isEmpty()) << "no archive is created";

  // A list of an archive scan is still sorted.
  append("Prove.pro", {{"Ugo", "Bra", ""}, {"ada", "Pisa", ""}});
  kit::SearchWindow scanned(nullptr, listSettings());
  scanned.show();
  EXPECT_EQ(listLines(scanned.lstRecords), (QStringList{"ada        - Pisa", "Ugo        - Bra"}));
}

TEST_F(SearchWindowTest, AListWindowSaysNothingWhenItsArchiveCannotBeRead) {
  QDir(dir.path()).mkdir("Prove.pro");
  kit::SearchWindow w(nullptr, listSettings());
  w.show();
  EXPECT_EQ(listCount(w.lstRecords), 0);
  EXPECT_TRUE(host.boxes.empty());
}

TEST_F(SearchWindowTest, TheFindSwitchesKeepTheLastTextAndLeaveEnterAlone) {
  append("Prove.pro", {{"Elio", "Como", ""}, {"Ezio", "Como", ""}});
  kit::ListSettings settings = listSettings();
  settings.windowClass = "TfrmRiepProva";
  settings.findBox = true;
  settings.keepLastFind = true;
  settings.enterMovesToTrova = false;
  {
    kit::SearchWindow w(nullptr, settings);
    w.show();
    w.txtTrova->setText("COMO");
    click(w.btnTrova);
    EXPECT_EQ(kit::selectedRow(w.lstRecords), 0);
    activate(&w);
    w.txtTrova->setFocus();
    pressKey(w.txtTrova, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), w.txtTrova);
  }
  // Kept from one opening to the next: the same text goes on from the selected line.
  EXPECT_EQ(kit::lastFindText("TfrmRiepProva"), "como");
  kit::SearchWindow again(nullptr, settings);
  again.show();
  kit::selectRow(again.lstRecords, 0);
  again.txtTrova->setText("como");
  click(again.btnTrova);
  EXPECT_EQ(kit::selectedRow(again.lstRecords), 1);
}

TEST_F(SearchWindowTest, APrintTitleAndTrailerComputedWhenStampaIsPressed) {
  append("Prove.pro", {{"Elio", "Como", ""}});
  QString board = "Fiat";
  kit::ListSettings settings = listSettings();
  settings.printTitle = "unused";
  settings.printOptions = kit::ListPrintOptions::summary({"Totale fisso"});
  settings.printTitleNow = [&board] { return "Riepilogo " + board; };
  settings.printTrailer = [&board] { return QStringList{"Totale " + board}; };
  kit::SearchWindow w(nullptr, settings);
  w.show();
  board = "Iveco";  // what the window shows when printing, not when it was built
  host.printPdfPath = dir.file("lista.pdf");
  click(w.btnStampa);
  EXPECT_EQ(host.texts(), QStringList{"Si vuole stampare il presente riepilogo?"});
  ASSERT_EQ(host.printDialogs, 1);
  QProcess pdftotext;
  pdftotext.start("pdftotext", {"-layout", host.printPdfPath, "-"});
  if (!pdftotext.waitForFinished(20000) || pdftotext.exitCode() != 0) GTEST_SKIP() << "pdftotext not available";
  const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
  EXPECT_TRUE(text.contains("Riepilogo Iveco"));
  const auto line = text.indexOf("Elio"), fixed = text.indexOf("Totale fisso"), computed = text.indexOf("Totale Iveco");
  EXPECT_TRUE(line >= 0 && line < fixed && fixed < computed) << text.toStdString();
}

TEST(SetControlText, WritesEveryKindOfControlThatHoldsAText) {
  QWidget window;
  auto* edit = new QLineEdit(&window);
  edit->setObjectName("txtA");
  auto* combo = new QComboBox(&window);
  combo->setObjectName("txtB");
  combo->setEditable(true);
  combo->addItems({"uno", "due"});
  auto* label = new QLabel(&window);
  label->setObjectName("lblC");
  auto* memo = new QPlainTextEdit(&window);
  memo->setObjectName("txtD");
  EXPECT_TRUE(kit::setControlText(&window, "txtA", "a"));
  EXPECT_TRUE(kit::setControlText(&window, "txtB", "not an item"));
  EXPECT_TRUE(kit::setControlText(&window, "lblC", "c"));
  EXPECT_TRUE(kit::setControlText(&window, "txtD", "d"));
  EXPECT_FALSE(kit::setControlText(&window, "txtMissing", "x"));
  EXPECT_EQ(edit->text(), "a");
  EXPECT_EQ(combo->currentText(), "not an item");
  EXPECT_EQ(label->text(), "c");
  EXPECT_EQ(memo->toPlainText(), "d");
}

}  // namespace
