// The schedule window: the year panel, opening a year, the imminent check with its
// notice, "OK" and sound at every showing, and closing.
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPushButton>

#include "maintenance/schedule_support.h"

using platform::MsgKind;

namespace {

class Scadenzario : public ScheduleTest {
 protected:
  bool announced() const { return w->imgPresenti->isVisibleTo(w) && !w->imgAssenti->isVisibleTo(w); }
  bool quiet() const { return !w->imgPresenti->isVisibleTo(w) && w->imgAssenti->isVisibleTo(w); }
  void reshow() {
    w->closeForm();
    showActive();
  }
};

TEST_F(Scadenzario, ShowingStartsOnTheYearPanelWithTheCurrentYear) {
  showActive();
  EXPECT_EQ(w->windowTitle(), " Velmora 4.0 - Scadenzario Manutenzioni");
  EXPECT_TRUE(w->panAvvio->isVisible());
  EXPECT_FALSE(w->panContainer->isVisible());
  EXPECT_EQ(w->txtAnno->text(), "2024");
  EXPECT_EQ(QApplication::focusWidget(), w->txtAnno);
  EXPECT_EQ(w->calAppuntamenti->selectedDate(), QDate(2024, 3, 10));
  EXPECT_EQ(w->lblFile->text(), "FilePath");
}

TEST_F(Scadenzario, ApriOpensTheYearOnANewCardWithoutOpeningItsFile) {
  showActive();
  w->txtAnno->setText("2023");
  w->btnApriClick();
  EXPECT_EQ(w->lblFile->text(), QDir(dir.path()).filePath("2023.sca"));
  EXPECT_EQ(w->lblAnno->text(), "2023");
  EXPECT_EQ(w->windowTitle(), " Velmora 4.0 - Scadenzario Manutenzioni anno 2023");
  EXPECT_FALSE(w->panAvvio->isVisible());
  EXPECT_TRUE(w->panContainer->isVisible());
  EXPECT_EQ(w->txtOreApp->currentText(), "00");
  EXPECT_EQ(w->txtMinutiApp->currentText(), "00");
  EXPECT_EQ(w->txtCosto->text(), "0,00");
  EXPECT_EQ(w->lblPosizione->text(), "");
  EXPECT_EQ(QApplication::focusWidget(), w->txtGiorno);
  EXPECT_FALSE(dir.exists("2023.sca"));
  EXPECT_TRUE(host.boxes.empty());
}

TEST_F(Scadenzario, OnlyFourDigitsOpenAYearAndNoOtherCharacterReachesTheFileName) {
  showActive();
  // Typed or pasted, only digits enter the box, four at most.
  w->txtAnno->clear();
  QTest::keyClicks(w->txtAnno, "2a0/2 45");
  EXPECT_EQ(w->txtAnno->text(), "2024");
  w->txtAnno->clear();
  QGuiApplication::clipboard()->setText("..\\x");
  w->txtAnno->pasteAdmitted();
  EXPECT_EQ(w->txtAnno->text(), "");

  struct Case {
    const char* name;
    QString year;
    bool opens;
  } cases[] = {
      {"empty", "", false},
      {"three digits", "202", false},
      {"a blank inside, set by code", "20 4", false},
      {"a path", "..\\x", false},
      {"blank before", " 2024", false},
      {"0000 is a year", "0000", true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    host.clear();
    w->panAvvio->setVisible(true);
    w->lblFile->setText("FilePath");
    w->txtAnno->setText(c.year);
    w->btnApriClick();
    if (c.opens) {
      EXPECT_TRUE(host.boxes.empty());
      EXPECT_EQ(w->lblFile->text(), QDir(dir.path()).filePath(c.year + ".sca"));
    } else {
      ASSERT_EQ(host.boxes.size(), 1u);
      EXPECT_EQ(host.last().kind, MsgKind::Warning);
      EXPECT_EQ(host.last().text, "Attenzione: indicare l'anno solare utilizzando quattro cifre.");
      EXPECT_EQ(w->lblFile->text(), "FilePath");
      EXPECT_EQ(QApplication::focusWidget(), w->txtAnno);
    }
  }
}

TEST_F(Scadenzario, EnterInTheYearBoxMovesToApri) {
  showActive();
  pressKey(w->txtAnno, Qt::Key_Return);
  EXPECT_EQ(QApplication::focusWidget(), w->btnApri);
}

TEST_F(Scadenzario, TheCurrentYearsDeadlinesDecideTheNoticeAtEveryShowing) {
  dir.write("Avviso.mp3", "sound");
  struct Case {
    const char* name;
    std::vector<Deadline> deadlines;
    bool imminent;
  } cases[] = {
      {"today with warning 0", {deadline(dayText(today), "0")}, true},
      {"yesterday", {deadline(dayText(today, -1), "30")}, false},
      {"in 10 days with 10", {deadline(dayText(today, 10), "10")}, true},
      {"in 10 days with 9", {deadline(dayText(today, 10), "9")}, false},
      {"done still counts", {deadline(dayText(today, 2), "5", {{"Effettuata", "Sì"}})}, true},
      {"a date that is no date is skipped, not the end",
       {deadline(dayText(today, 1), "5", {{"Data", "31/02/2024"}}), deadline(dayText(today, 3), "x"),
        deadline(dayText(today, 4), "4")},
       true},
      {"only deadlines that do not convert", {deadline(dayText(today, 1), "x")}, false},
      {"an empty file", {}, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    QFile::remove(dir.file("2024.sca"));
    appendDeadlines("2024.sca", c.deadlines);
    sound.played.clear();
    reshow();
    EXPECT_EQ(announced(), c.imminent);
    EXPECT_EQ(quiet(), !c.imminent);
    EXPECT_EQ(w->btnOK->isEnabled(), c.imminent);
    EXPECT_EQ(sound.played, c.imminent ? QStringList{dir.file("Avviso.mp3")} : QStringList{});
  }
  EXPECT_TRUE(host.boxes.empty());
}

TEST_F(Scadenzario, OnlyTheCurrentYearIsCheckedAndAMissingFileIsCreatedEmpty) {
  const core::PinnedClock december(core::Date{30, 12, 2024});
  // A January deadline within its warning days, but in next year's file.
  appendDeadlines("2025.sca", {deadline("02/01/2025", "5")});
  showActive();
  EXPECT_TRUE(quiet());
  EXPECT_FALSE(w->btnOK->isEnabled());
  EXPECT_TRUE(dir.exists("2024.sca"));
  EXPECT_EQ(QFileInfo(dir.file("2024.sca")).size(), 0);
}

TEST_F(Scadenzario, ANoticeNeverOutlivesTheShowingThatReadIt) {
  appendDeadlines("2024.sca", {deadline(dayText(today), "0")});
  showActive();
  ASSERT_TRUE(announced());
  // The file becomes one that cannot be opened: nothing is read, nothing announced.
  QFile::remove(dir.file("2024.sca"));
  QDir(dir.path()).mkdir("2024.sca");
  reshow();
  EXPECT_TRUE(quiet());
  EXPECT_FALSE(w->btnOK->isEnabled());
  EXPECT_TRUE(host.boxes.empty());
}

TEST_F(Scadenzario, WithoutTheSoundFileTheNoticeStandsSilently) {
  appendDeadlines("2024.sca", {deadline(dayText(today), "0")});
  showActive();
  EXPECT_TRUE(announced());
  EXPECT_TRUE(w->btnOK->isEnabled());
  EXPECT_TRUE(sound.played.isEmpty());
  EXPECT_TRUE(host.boxes.empty());
}

TEST_F(Scadenzario, ClosingStopsTheSoundAndComesBackOnTheYearPanel) {
  dir.write("Avviso.mp3", "sound");
  appendDeadlines("2024.sca", {deadline(dayText(today), "0")});
  openYear();
  ASSERT_EQ(sound.played.size(), 1);
  const int stopsBefore = sound.stops;
  click(w->cmdEsci);
  EXPECT_FALSE(w->isVisible());
  EXPECT_EQ(sound.stops, stopsBefore + 1);
  showActive();
  EXPECT_TRUE(w->panAvvio->isVisible());
  EXPECT_FALSE(w->panContainer->isVisible());
  EXPECT_EQ(sound.played.size(), 2);  // every showing checks and plays again
}

TEST_F(Scadenzario, TheGridButtonsOpenTheirGrids) {
  showActive();
  w->btnGiornoClick();
  w->btnMeseClick();
  w->btnOK->setEnabled(true);
  click(w->btnOK);
  EXPECT_EQ(host.modalShown, QStringList({"TfrmExpGiornaliere", "TfrmExpMensili", "TfrmExpImminenti"}));
}

}  // namespace
