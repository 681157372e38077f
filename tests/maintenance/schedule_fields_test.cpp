// The schedule card's fields: the cost normalised when left, the list-only combos of
// the date and time, digits only for the warning days, upper-casing at every key
// release, and the Enter chain.
#include <QClipboard>
#include <QGuiApplication>

#include "kit/card_fields.h"
#include "maintenance/schedule_support.h"

namespace {

class ScheduleFields : public ScheduleTest {
 protected:
  void SetUp() override {
    ScheduleTest::SetUp();
    openYear();
    host.clear();
  }
};

TEST_F(ScheduleFields, LeavingTheCostNormalisesIt) {
  struct Case {
    const char* name;
    QString typed, left;
  } cases[] = {
      {"empty", "", "0,00"},
      {"whole", "7", "7,00"},
      {"one decimal", "7,1", "7,10"},
      {"three decimals stay", "12,345", "12,345"},
      {"rounded to four decimals, then two shown", "1,99999", "2,00"},
      {"two commas are no number", ",,", "0,00"},
      {"fifteen digits", "123456789012345", "123456789012345,00"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    w->txtCosto->setFocus();
    w->txtCosto->clear();
    QTest::keyClicks(w->txtCosto, c.typed);
    EXPECT_EQ(w->txtCosto->text(), c.typed);
    w->txtContatto->setFocus();
    EXPECT_EQ(w->txtCosto->text(), c.left);
  }
}

TEST_F(ScheduleFields, FifteenDigitsShowEighteenCharactersAndStoreFifteen) {
  w->txtGiorno->setEditText("05");
  w->txtMese->setEditText("Marzo");
  w->txtAvviso->setText("1");
  for (QLineEdit* e : {w->txtVeicolo, w->txtMarca, w->txtModello, w->txtTarga, w->txtManutenzione}) e->setText("X");
  w->txtCosto->setFocus();
  w->txtCosto->clear();
  QTest::keyClicks(w->txtCosto, "1234567890123456");  // the sixteenth does not enter
  w->txtContatto->setFocus();
  EXPECT_EQ(w->txtCosto->text(), "123456789012345,00");
  click(w->cmdSalva);
  const QByteArray file = dir.read("2024.sca");
  ASSERT_EQ(file.size(), 1328);
  EXPECT_EQ(file.mid(1004, 16), QByteArray("\x0F" "123456789012345"));
}

TEST_F(ScheduleFields, TheCostAndTheWarningDaysTakeOnlyTheirCharactersTypedOrPasted) {
  w->txtAvviso->setFocus();
  QTest::keyClicks(w->txtAvviso, "1a,2");
  EXPECT_EQ(w->txtAvviso->text(), "12");
  w->txtCosto->setFocus();
  w->txtCosto->clear();
  QTest::keyClicks(w->txtCosto, "1x2,5");
  EXPECT_EQ(w->txtCosto->text(), "12,5");
  QGuiApplication::clipboard()->setText("€ 3.50,9");
  w->txtCosto->clear();
  static_cast<platform::FilteredEdit*>(w->txtCosto)->pasteAdmitted();
  EXPECT_EQ(w->txtCosto->text(), "350,9");
}

TEST_F(ScheduleFields, TheDateAndTimeCombosTakeOnlyTheirListItems) {
  struct Case {
    const char* name;
    platform::ListOnlyCombo* combo;
    QString loaded;   // a text set from outside, not typed
    bool kept;        // after leaving
  } cases[] = {
      {"day 05", w->txtGiorno, "05", true},
      {"day 1 of one digit", w->txtGiorno, "1", false},
      {"day 32", w->txtGiorno, "32", false},
      {"month as listed", w->txtMese, "Marzo", true},
      {"month in small letters (compared exactly)", w->txtMese, "marzo", false},
      {"hour 23", w->txtOreApp, "23", true},
      {"hour 24", w->txtOreApp, "24", false},
      {"minutes 59", w->txtMinutiApp, "59", true},
      {"minutes 60", w->txtMinutiApp, "60", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    c.combo->setFocus();
    c.combo->setEditText(c.loaded);
    QTest::keyClicks(c.combo, "7a");  // typing is swallowed
    EXPECT_EQ(c.combo->currentText(), c.loaded);
    w->txtNote->setFocus();
    EXPECT_EQ(c.combo->currentText(), c.kept ? c.loaded : QString());
  }
  w->txtMese->setFocus();
  w->txtMese->setCurrentIndex(2);
  EXPECT_EQ(w->txtMese->currentText(), "Marzo");
  QTest::keyClick(w->txtMese, Qt::Key_Backspace);
  EXPECT_EQ(w->txtMese->currentText(), "");
  EXPECT_EQ(w->txtGiorno->count(), 31);
  EXPECT_EQ(w->txtMese->itemText(11), "Dicembre");
  EXPECT_EQ(w->txtOreApp->itemText(0), "00");
  EXPECT_EQ(w->txtMinutiApp->count(), 60);
}

TEST_F(ScheduleFields, PlateAndTaxCodeBecomeTrimmedCapitalsAtEveryKeyRelease) {
  w->txtTarga->setFocus();
  QTest::keyClicks(w->txtTarga, "ab 12 ");
  EXPECT_EQ(w->txtTarga->text(), "AB12");  // a blank typed at the end goes at once
  // A text set from outside changes at the next key released in it.
  w->txtCodFisc->setText(" rssmra80 ");
  w->txtCodFisc->setFocus();
  QTest::keyClick(w->txtCodFisc, Qt::Key_Right);
  EXPECT_EQ(w->txtCodFisc->text(), "RSSMRA80");
  w->txtConducente->setFocus();
  QTest::keyClicks(w->txtConducente, "mario ");
  EXPECT_EQ(w->txtConducente->text(), "mario ");  // the other edits keep what is typed
}

TEST_F(ScheduleFields, EnterFollowsTheChainAndWrapsFromTheNotesToTheDay) {
  const char* chain[] = {"txtGiorno",   "txtMese",      "txtOreApp",   "txtMinutiApp", "txtAvviso",
                         "txtConducente", "txtCodFisc", "txtRecapito", "txtVeicolo",   "txtMarca",
                         "txtModello",  "txtColore",    "txtAlimentazione", "txtTarga", "txtManutenzione",
                         "txtDettagli", "txtOfficina",  "txtCosto",    "txtContatto",  "txtNote",
                         "txtGiorno"};
  w->txtGiorno->setFocus();
  for (std::size_t i = 1; i < std::size(chain); ++i) {
    SCOPED_TRACE(chain[i - 1]);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QWidget* focused = QApplication::focusWidget();
    // A combo's line edit has the focus on the combo's behalf.
    if (focused && focused->parentWidget() && qobject_cast<QComboBox*>(focused->parentWidget()))
      focused = focused->parentWidget();
    ASSERT_NE(focused, nullptr);
    EXPECT_EQ(focused->objectName(), chain[i]);
  }
}

TEST_F(ScheduleFields, EachFieldShowsItsHighlightOnlyWhileFocused) {
  QWidget* eff = w->findChild<QWidget*>("effCosto");
  ASSERT_NE(eff, nullptr);
  EXPECT_FALSE(eff->isVisible());
  w->txtCosto->setFocus();
  EXPECT_TRUE(eff->isVisible());
  w->txtMese->setFocus();
  EXPECT_FALSE(eff->isVisible());
  EXPECT_TRUE(w->findChild<QWidget*>("effMese")->isVisible());
}

}  // namespace
