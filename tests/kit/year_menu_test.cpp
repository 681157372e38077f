// The year menu on test-only settings: three "Apri", the first checking the year and
// preparing its window, the second refusing through its own check, the third going on
// whatever the year; the year box's typing rules; what every show resets; where closing
// goes; the help.
#include <QClipboard>
#include <QLabel>
#include <QPushButton>

#include "core/clock.h"
#include "kit/year_menu.h"
#include "platform/widgets.h"
#include "support/helpers.h"
#include "support/scripted_host.h"
#include "support/stand_in_windows.h"

using platform::MsgKind;

namespace {

const QString kYearWarning = QStringLiteral("Attenzione: indicare l'anno solare utilizzando quattro cifre.");

// A window a menu leads to.
class Target : public platform::Form {
 public:
  explicit Target(const QString& name)
      : platform::Form(nullptr, name, platform::WindowKind::Maximized, QString(), 200, 100) {}
};

struct Recorded {
  QStringList prepared;          // the years the first "Apri" was given
  bool secondRefuses = false;
  QString helpTitle;
  QStringList helpParagraphs;
};

kit::YearMenuSettings settings(Recorded& r) {
  return {
      .menuClass = QStringLiteral("TfrmMenuProva"),
      .caption = QStringLiteral(" Velmora 4.0 - Prova"),
      .title = QStringLiteral("Prova"),
      .information = QStringLiteral("Un menu di prova."),
      .yearBox = QStringLiteral("txtAnnoProva"),
      .highlight = QStringLiteral("effAnnoProva"),
      .opens = {{.button = QStringLiteral("btnApriSchede"), .heading = QStringLiteral("Schede:"),
                 .keyWord = QStringLiteral("schede"), .window = QStringLiteral("TfrmSchede"), .checksYear = true,
                 .prepare = [&r](kit::YearMenu&, const QString& year) {
                   r.prepared << year;
                   return true;
                 }},
                {.button = QStringLiteral("btnApriElenco"), .keyWord = QStringLiteral("elenco"),
                 .window = QStringLiteral("TfrmElenco"), .checksYear = true,
                 .prepare = [&r](kit::YearMenu& menu, const QString&) {
                   if (!r.secondRefuses) return true;
                   platform::warning(QStringLiteral("No."), &menu);
                   return false;
                 }},
                {.button = QStringLiteral("btnApriGrafici"), .keyWord = QStringLiteral("Grafici"),
                 .window = QStringLiteral("TfrmGrafici")}},
      .helpTitle = QStringLiteral("App Prova"),
      .helpParagraphs = {QStringLiteral("Uno."), QStringLiteral("Due.")},
      .help = [&r](QWidget*, const QString& title, const QStringList& paragraphs) {
        r.helpTitle = title;
        r.helpParagraphs = paragraphs;
      },
  };
}

class YearMenuTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* name : {"TfrmSchede", "TfrmElenco", "TfrmGrafici"})
      windows.adopt(targets.emplace_back(new Target(QString::fromLatin1(name))));
    menu.showWindow();
    activate(&menu);
  }
  void TearDown() override { menu.hide(); }
  QWidget* shown() const {
    for (Target* t : targets)
      if (t->isVisible()) return t;
    return nullptr;
  }
  QPushButton* button(const char* name) { return menu.button(QString::fromLatin1(name)); }

  TempExeDir dir;
  ScriptedDialogHost host;
  core::PinnedClock clock{{{14, 3, 2024}, 9, 5, 0}};
  StandInWindows windows;
  std::vector<Target*> targets;
  Recorded recorded;
  kit::YearMenu menu{nullptr, settings(recorded)};
  kit::YearBox* year = menu.yearBox();
};

TEST_F(YearMenuTest, EveryShowPutsTheCurrentYearTheHomeWordAndTheFocus) {
  EXPECT_EQ(year->objectName(), "txtAnnoProva");
  EXPECT_EQ(year->text(), "2024");
  EXPECT_EQ(menu.memory(), "avvio");
  EXPECT_EQ(QApplication::focusWidget(), year);
  EXPECT_TRUE(find(&menu, "effAnnoProva")->isVisible());
  EXPECT_EQ(menu.lblInformazioni->text(), "Un menu di prova.");
  EXPECT_EQ(menu.windowTitle(), " Velmora 4.0 - Prova");
  // Tab: the year, then the buttons in order.
  year->setFocus();
  for (const char* name : {"btnApriSchede", "btnApriElenco", "btnApriGrafici"}) {
    pressKey(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), name);
  }
}

TEST_F(YearMenuTest, TheYearBoxTakesFourDigitsTypedOrPastedAndEnterOnlyMovesOn) {
  year->clear();
  typeText(year, "2a0-2 5x9");
  EXPECT_EQ(year->text(), "2025");
  pressKey(year, Qt::Key_Backspace);
  EXPECT_EQ(year->text(), "202");
  QApplication::clipboard()->setText(" 1x ");
  year->pasteAdmitted();
  EXPECT_EQ(year->text(), "2021");

  pressKey(year, Qt::Key_Return);
  EXPECT_EQ(QApplication::focusWidget(), button("btnApriSchede"));
  EXPECT_TRUE(recorded.prepared.isEmpty());
  EXPECT_TRUE(menu.isVisible());
  // Enter on the focused "Apri" presses it.
  pressKey(button("btnApriSchede"), Qt::Key_Return);
  EXPECT_EQ(recorded.prepared, QStringList{"2021"});
}

TEST_F(YearMenuTest, AYearThatIsNotFourDigitsIsRefusedWithTheFocusBackOnIt) {
  const QString refused[] = {"", "202", " 24 ", "..\\x", "２０２４"};
  for (const QString& text : refused) {
    SCOPED_TRACE(text.toStdString());
    year->setText(text);
    button("btnApriSchede")->setFocus();
    click(button("btnApriSchede"));
    ASSERT_FALSE(host.boxes.empty());
    EXPECT_EQ(host.last().kind, MsgKind::Warning);
    EXPECT_EQ(host.last().text, kYearWarning);
    EXPECT_EQ(QApplication::focusWidget(), year);
    EXPECT_TRUE(menu.isVisible());
    EXPECT_EQ(menu.memory(), "avvio");
  }
  EXPECT_TRUE(recorded.prepared.isEmpty());
  EXPECT_EQ(shown(), nullptr);
}

TEST_F(YearMenuTest, ACheckedYearIsPreparedThenTheKeyWordShowsItsWindow) {
  year->setText("0000");  // no range: any four digits
  click(button("btnApriSchede"));
  EXPECT_TRUE(host.boxes.empty());
  EXPECT_EQ(recorded.prepared, QStringList{"0000"});
  EXPECT_EQ(menu.memory(), "schede");
  EXPECT_FALSE(menu.isVisible());
  EXPECT_EQ(shown(), targets[0]);
  EXPECT_EQ(windows.launcherShown, 0);
}

TEST_F(YearMenuTest, APrepareThatRefusesKeepsTheMenuOpen) {
  recorded.secondRefuses = true;
  click(button("btnApriElenco"));
  EXPECT_EQ(host.last().text, "No.");
  EXPECT_TRUE(menu.isVisible());
  EXPECT_EQ(menu.memory(), "avvio");
  EXPECT_EQ(shown(), nullptr);
}

TEST_F(YearMenuTest, AnOpenThatDoesNotCheckTheYearGoesOnWhateverItHolds) {
  year->setText("2");
  click(button("btnApriGrafici"));
  EXPECT_TRUE(host.boxes.empty());
  EXPECT_EQ(shown(), targets[2]);  // the key word's case matters and matches
}

TEST_F(YearMenuTest, ExitAndTheTitleBarGoBackToTheLauncher) {
  click(menu.imgEsci);
  EXPECT_FALSE(menu.isVisible());
  EXPECT_EQ(windows.launcherShown, 1);
  EXPECT_EQ(shown(), nullptr);

  // Shown again after a visit to a window: the key word is "avvio" once more.
  menu.setMemory("schede");
  menu.showWindow();
  EXPECT_EQ(menu.memory(), "avvio");
  menu.close();
  EXPECT_EQ(windows.launcherShown, 2);
}

TEST_F(YearMenuTest, HelpShowsItsTitleAndParagraphs) {
  click(menu.imgGuida);
  EXPECT_EQ(recorded.helpTitle, "App Prova");
  EXPECT_EQ(recorded.helpParagraphs, (QStringList{"Uno.", "Due."}));
  EXPECT_TRUE(menu.isVisible());
}

}  // namespace
