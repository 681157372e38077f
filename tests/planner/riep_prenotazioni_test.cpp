// The booking summary: the board's booked days in calendar order, read from the day
// cells as they stand; list find with its last text kept for the run; the print with
// the board's title; no double-click.
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyleOptionViewItem>
#include <QAbstractItemDelegate>
#include <QTest>
#include <map>

#include "app/app.h"
#include "kit/list_find.h"
#include "kit/result_list.h"
#include "planner/booking_summary.h"
#include "planner/frm_planning.h"
#include "planner/frm_riep_prenotazioni.h"
#include "platform/qtext.h"
#include "platform/widgets.h"
#include "support/app/card_window.h"
#include "support/result_list.h"

using planner::BoardDay;

namespace {

QString q(const char* s) { return QString::fromUtf8(s); }

class Summary : public CardWindowTest<TfrmPlanning, &App::frmPlanning> {
 protected:
  void SetUp() override {
    CardWindowTest::SetUp();
    kit::setLastFindText(QStringLiteral("TfrmRiepPrenotazioni"), QString());
  }
  void open(const QString& year, planner::BoardVehicle vehicle = {"Autovettura", "Fiat", "Panda", "AB123CD"}) {
    w->openFor(planner::plannerFilePath(vehicle.targa.isEmpty() ? QStringLiteral("XX") : vehicle.targa, year), year,
               vehicle);
    w->showWindow();
  }
  void book(const char16_t* key, const QString& text) { w->setDay(*planner::dayOfKey(key), text); }

  // The summary opened from the board's picture, `script` run while it is shown.
  void openSummary(const std::function<void(TfrmRiepPrenotazioni&)>& script) {
    host.modalScripts.push_back([&script](platform::Form& f) { script(static_cast<TfrmRiepPrenotazioni&>(f)); });
    click(w->cmdRiepilogo);
  }
  QStringList summaryLines() {
    QStringList lines;
    openSummary([&](TfrmRiepPrenotazioni& s) { lines = listLines(s.lstRecords); });
    return lines;
  }
  static void find(TfrmRiepPrenotazioni& s, const QString& text) {
    s.txtTrova->setText(text);
    click(s.btnTrova);
  }
};

TEST(SummaryLines, DatePrefixThenTrimmedTextInCalendarOrder) {
  struct Case {
    const char16_t* key;
    const char16_t* text;
    const char* line;  // empty: not listed
  } cases[] = {
      {u"gen_01", u"Rossi", "01 gennaio     Rossi"},
      {u"feb_28", u"  Verdi 333  ", "28 febbraio    Verdi 333"},
      {u"feb_29", u"\tBisestile\r", "29 febbraio    Bisestile"},
      {u"mar_01", u"Bianchi", "01 marzo       Bianchi"},
      {u"mar_05", u"Neri", "05 marzo       Neri"},
      {u"mar_06", u"     ", ""},
      {u"set_30", u"Gialli", "30 settembre   Gialli"},
      {u"dic_31", u"Rossi", "31 dicembre    Rossi"},
  };
  std::map<int, core::Text> texts;
  QStringList expected;
  for (const Case& c : cases) {
    texts[planner::dayOfKey(c.key)->index] = c.text;
    if (*c.line) expected << q(c.line);
  }
  const core::LineList lines =
      planner::summaryLines([&](const BoardDay& d) { return texts.count(d.index) ? texts[d.index] : core::Text(); });
  QStringList got;
  for (const core::Text& t : lines.toVector()) got << platform::fromCore(t);
  EXPECT_EQ(got, expected);
  for (const QString& line : got) EXPECT_EQ(line.indexOf(QRegularExpression("\\S", QRegularExpression::NoPatternOption), 15), 15);
}

TEST_F(Summary, AFullyBookedLeapYearListsEveryDayWithTheTwentyNinthBetween) {
  open(QStringLiteral("2024"));
  for (const BoardDay& d : planner::boardDays()) w->setDay(d, QStringLiteral("Cliente %1").arg(d.index));
  const QStringList lines = summaryLines();
  ASSERT_EQ(lines.size(), 366);
  EXPECT_EQ(lines[0], "01 gennaio     Cliente 0");
  EXPECT_EQ(lines[58], "28 febbraio    Cliente 58");
  EXPECT_EQ(lines[59], "29 febbraio    Cliente 59");
  EXPECT_EQ(lines[60], "01 marzo       Cliente 60");
  EXPECT_EQ(lines[365], "31 dicembre    Cliente 365");
}

TEST_F(Summary, UnsavedBookingsAreListedAndTheYearIsNeverAsked) {
  // A common year whose file holds a 29 February text: listed as the board holds it.
  open(QStringLiteral("2023"));
  book(u"mar_05", QStringLiteral("  Neri  "));
  book(u"feb_29", QStringLiteral("Bisestile"));
  book(u"gen_10", QStringLiteral("Rossi"));
  book(u"gen_02", QStringLiteral("Rossi"));
  EXPECT_EQ(summaryLines(), (QStringList{"02 gennaio     Rossi", "10 gennaio     Rossi", "29 febbraio    Bisestile",
                                         "05 marzo       Neri"}));
  // Freed again on the board: gone from the next opening, nothing written to the file.
  book(u"gen_10", QString());
  EXPECT_EQ(summaryLines().size(), 3);
  EXPECT_EQ(dir.read(QStringLiteral("Prenotazioni veicolo targa AB123CD anno 2023.pln")).size(), 0);
}

TEST_F(Summary, TheWindowOpensReadyToFindWithItsOwnLook) {
  open(QStringLiteral("2024"));
  book(u"mar_05", QStringLiteral("Neri"));
  openSummary([](TfrmRiepPrenotazioni& s) {
    EXPECT_EQ(s.objectName(), "TfrmRiepPrenotazioni");
    EXPECT_EQ(s.windowTitle(), " Riepilogo prenotazioni veicolo");
    EXPECT_EQ(s.kind(), platform::WindowKind::CentredOnScreen);
    EXPECT_EQ(s.size(), QSize(862, 560));
    EXPECT_EQ(s.txtTrova->text(), "");
    EXPECT_EQ(kit::selectedRow(s.lstRecords), -1);
    EXPECT_EQ(s.findChild<QWidget*>("effTrova"), nullptr);
    EXPECT_EQ(s.lstRecords->font().family(), "Courier New");
    QStyleOptionViewItem option;
    option.initFrom(s.lstRecords);
    EXPECT_EQ(s.lstRecords->itemDelegate()->sizeHint(option, s.lstRecords->model()->index(0, 0)).width(), 760);
    EXPECT_EQ(s.lstRecords->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    const QList<QWidget*> tabs = {s.txtTrova, s.btnStampa, s.btnChiudi, s.btnTrova, s.lstRecords};
    for (int i = 1; i < tabs.size(); ++i) {
      QWidget* next = tabs[i - 1]->nextInFocusChain();
      while (next && !(next->focusPolicy() & Qt::TabFocus)) next = next->nextInFocusChain();
      EXPECT_EQ(next, tabs[i]) << i;
    }
    // The double-click reopens nothing: the summary stays as it is.
    kit::selectRow(s.lstRecords, 0);
    QTest::mouseDClick(s.lstRecords->viewport(), Qt::LeftButton, Qt::NoModifier, lineRect(s.lstRecords, 0).center());
    EXPECT_TRUE(s.isVisible());
    EXPECT_EQ(listCount(s.lstRecords), 1);
    click(s.btnChiudi);
    EXPECT_FALSE(s.isVisible());
    EXPECT_EQ(listCount(s.lstRecords), 0);
  });
  EXPECT_EQ(host.modalShown, QStringList{"TfrmRiepPrenotazioni"});
  EXPECT_TRUE(host.boxes.empty());
  EXPECT_EQ(w->dayText(*planner::dayOfKey(u"mar_05")), "Neri");
}

TEST_F(Summary, EnterInTheFindBoxMovesToTrovaWithoutSearching) {
  open(QStringLiteral("2024"));
  book(u"mar_05", QStringLiteral("Neri"));
  book(u"mar_06", QStringLiteral("Neri"));
  openSummary([](TfrmRiepPrenotazioni& s) {
    activate(&s);
    s.txtTrova->setFocus();
    s.txtTrova->setText(QStringLiteral("neri"));
    pressKey(s.txtTrova, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), s.btnTrova) << (QApplication::focusWidget() ? QApplication::focusWidget()->objectName().toStdString() : "none") << " active " << (QApplication::activeWindow() ? QApplication::activeWindow()->objectName().toStdString() : "none");
    EXPECT_EQ(kit::selectedRow(s.lstRecords), -1);
    EXPECT_EQ(kit::lastFindText(QStringLiteral("TfrmRiepPrenotazioni")), "");
  });
}

TEST_F(Summary, FindByDateWrapsAroundAndTheLastTextIsKeptForTheRun) {
  open(QStringLiteral("2024"));
  book(u"gen_04", QStringLiteral("Rossi"));
  book(u"mar_05", QStringLiteral("Neri"));
  book(u"mar_20", QStringLiteral("Verdi"));
  book(u"apr_01", QStringLiteral("Rossi"));
  kit::setLastFindText(QStringLiteral("TfrmRiepPrenotazioni"), QStringLiteral("altro"));
  openSummary([](TfrmRiepPrenotazioni& s) {
    const int expected[] = {1, 2, 1};  // the first March line, the next, then around again
    for (int row : expected) {
      find(s, QStringLiteral("marzo"));
      EXPECT_EQ(kit::selectedRow(s.lstRecords), row);
    }
    find(s, QStringLiteral("ROSSI"));
    EXPECT_EQ(kit::selectedRow(s.lstRecords), 0);
  });
  // Reopened: the same text, in other cases, is a repeated search and starts at line 2;
  // line 1 is found only after every other line.
  openSummary([](TfrmRiepPrenotazioni& s) {
    EXPECT_EQ(kit::selectedRow(s.lstRecords), -1);
    find(s, QStringLiteral("rOsSi"));
    EXPECT_EQ(kit::selectedRow(s.lstRecords), 3);
    find(s, QStringLiteral("rossi"));
    EXPECT_EQ(kit::selectedRow(s.lstRecords), 0);
  });
  // Another text in a new opening starts at line 1.
  openSummary([](TfrmRiepPrenotazioni& s) {
    find(s, QStringLiteral("0"));
    EXPECT_EQ(kit::selectedRow(s.lstRecords), 0);
  });
  EXPECT_TRUE(host.boxes.empty());
}

TEST_F(Summary, AnEmptyBoardFindsNothingToSearchAndPrintsAnEmptyList) {
  open(QStringLiteral("2024"), {"", "", "", "AB123CD"});
  kit::setLastFindText(QStringLiteral("TfrmRiepPrenotazioni"), QStringLiteral("kept"));
  host.printPdfPath = dir.file(QStringLiteral("riepilogo.pdf"));
  openSummary([this](TfrmRiepPrenotazioni& s) {
    EXPECT_EQ(listCount(s.lstRecords), 0);
    find(s, QStringLiteral("x"));
    EXPECT_EQ(host.texts(), QStringList{"Ricerca non applicabile: la lista non contiene nessuna voce."});
    EXPECT_EQ(host.last().kind, platform::MsgKind::Plain);
    host.clear();
    click(s.btnStampa);
    EXPECT_TRUE(s.isVisible());
  });
  EXPECT_EQ(kit::lastFindText(QStringLiteral("TfrmRiepPrenotazioni")), "kept");
  // No question, no refusal: the print dialog at once.
  EXPECT_TRUE(host.boxes.empty());
  EXPECT_EQ(host.printDialogs, 1);
  ASSERT_TRUE(QFile::exists(host.printPdfPath));
  QProcess pdftotext;
  pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), host.printPdfPath, QStringLiteral("-")});
  if (!pdftotext.waitForFinished(20000) || pdftotext.exitCode() != 0) GTEST_SKIP() << "pdftotext not available";
  const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
  EXPECT_TRUE(text.contains("Riepilogo prenotazioni veicolo   anno 2024")) << text.toStdString();
  EXPECT_TRUE(text.contains("Stampa eseguita in data"));
}

TEST_F(Summary, ThePrintTitleNamesTheBoardsVehicleAndYear) {
  open(QStringLiteral("2024"), {"Autovettura", " Fiat ", "Panda", "AB123CD"});
  book(u"mar_05", QStringLiteral("Neri"));
  QString title;
  openSummary([&](TfrmRiepPrenotazioni& s) { title = s.listSettings().printTitleNow(); });
  EXPECT_EQ(title, "Riepilogo prenotazioni veicolo Fiat Panda anno 2024");
  open(QStringLiteral("2024"), {"", "", "", "AB123CD"});
  openSummary([&](TfrmRiepPrenotazioni& s) { title = s.listSettings().printTitleNow(); });
  EXPECT_EQ(title, "Riepilogo prenotazioni veicolo   anno 2024");
}

}  // namespace
