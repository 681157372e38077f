// Picture buttons, focus highlights, painted focus and the list-only combo.
#include <QLineEdit>
#include <QSignalSpy>
#include <QWidget>

#include "platform/widgets.h"
#include "support/helpers.h"

using platform::ListOnlyCombo;
using platform::PictureButton;

namespace {

// A window with two edits, so the focus has somewhere to go.
struct TwoEdits {
  QWidget window;
  QLineEdit* first = new QLineEdit(&window);
  QLineEdit* second = new QLineEdit(&window);
  TwoEdits() {
    window.resize(300, 200);
    first->setObjectName("txtPrimo");
    second->setObjectName("txtSecondo");
    first->setGeometry(20, 20, 120, 24);
    second->setGeometry(20, 80, 120, 24);
  }
};

}  // namespace

TEST(PictureButton, ClicksWithoutTakingTheFocus) {
  TwoEdits w;
  auto* button = new PictureButton(&w.window, "cmdSalva", "S");
  button->setGeometry(200, 20, 40, 40);
  activate(&w.window);
  w.first->setFocus();
  ASSERT_TRUE(w.first->hasFocus());
  QSignalSpy clicks(button, &PictureButton::clicked);
  click(button);
  EXPECT_EQ(clicks.count(), 1);
  EXPECT_EQ(button->focusPolicy(), Qt::NoFocus);
  EXPECT_TRUE(w.first->hasFocus());
  EXPECT_EQ(button->glyph(), "S");
}

TEST(PictureButton, DisabledEmitsNothingAndRightClickIsNoClick) {
  QWidget window;
  auto* button = new PictureButton(&window, "cmdStampa");
  button->setGeometry(0, 0, 32, 32);
  window.show();
  QSignalSpy clicks(button, &PictureButton::clicked);
  QTest::mouseClick(button, Qt::RightButton, Qt::NoModifier, button->rect().center());
  button->setEnabled(false);
  click(button);
  EXPECT_EQ(clicks.count(), 0);
  // A release outside the picture is no click either.
  button->setEnabled(true);
  QTest::mousePress(button, Qt::LeftButton, Qt::NoModifier, {5, 5});
  QTest::mouseRelease(button, Qt::LeftButton, Qt::NoModifier, {100, 100});
  EXPECT_EQ(clicks.count(), 0);
}

TEST(PictureButton, ShowsAPictureGreyedWhenDisabled) {
  QWidget window;
  QPixmap red(16, 16);
  red.fill(Qt::red);
  auto* button = new PictureButton(&window, "cmdRosso");
  button->setPixmap(red);
  button->setGeometry(0, 0, 16, 16);
  window.show();
  EXPECT_EQ(pixelAt(button, {8, 8}), QColor(Qt::red));
  button->setEnabled(false);
  EXPECT_NE(pixelAt(button, {8, 8}), QColor(Qt::red));
}

TEST(FocusHighlight, ShownWhileTheEditHasTheFocus) {
  TwoEdits w;
  auto* eff = platform::addFocusHighlight(w.first, "effPrimo");
  platform::addFocusHighlight(w.second, "effSecondo");
  activate(&w.window);
  EXPECT_EQ(find<platform::HighlightRect>(&w.window, "effPrimo"), eff);
  EXPECT_EQ(eff->geometry(), w.first->geometry().adjusted(-4, -4, 4, 4));

  w.first->setFocus();
  EXPECT_TRUE(eff->isVisible());
  EXPECT_FALSE(find<QWidget>(&w.window, "effSecondo")->isVisible());
  // Behind the edit: the edit's own area still shows the edit.
  EXPECT_EQ(w.window.childAt(w.first->geometry().center()), w.first);
  EXPECT_EQ(w.window.childAt(w.first->geometry().topLeft() - QPoint(2, 2)), nullptr);  // mouse passes through
  EXPECT_EQ(pixelAt(&w.window, w.first->geometry().topLeft() - QPoint(2, 0)), platform::kFocusYellow);

  w.second->setFocus();
  EXPECT_FALSE(eff->isVisible());
  EXPECT_TRUE(find<QWidget>(&w.window, "effSecondo")->isVisible());

  // It follows the edit when the window lays it out again.
  w.first->setGeometry(30, 120, 100, 24);
  EXPECT_EQ(eff->geometry(), QRect(26, 116, 108, 32));
}

TEST(FocusHighlight, StaysWhileAnotherWindowIsActive) {
  TwoEdits w;
  auto* eff = platform::addFocusHighlight(w.first, "effPrimo");
  activate(&w.window);
  w.first->setFocus();
  ASSERT_TRUE(eff->isVisible());
  QWidget other;
  activate(&other);
  EXPECT_TRUE(eff->isVisible());
  // The focus moved by code meanwhile: back in the window, only the new edit's shows.
  auto* effSecond = platform::addFocusHighlight(w.second, "effSecondo");
  w.second->setFocus();
  activate(&w.window);
  EXPECT_FALSE(eff->isVisible());
  EXPECT_TRUE(effSecond->isVisible());
  // Away and back again on the same edit: it keeps its highlight.
  activate(&other);
  activate(&w.window);
  EXPECT_TRUE(effSecond->isVisible());
}

TEST(PaintedFocus, YellowWhileFocusedElseTheNormalFill) {
  TwoEdits w;
  platform::paintFocus(w.first, platform::kAliceBlue);
  platform::paintFocus(w.second, Qt::white);
  activate(&w.window);
  const QPoint inside(3, 3);
  w.second->setFocus();
  EXPECT_EQ(pixelAt(w.first, inside), platform::kAliceBlue);
  EXPECT_EQ(pixelAt(w.first, {0, 10}), platform::kSkyBlue);
  EXPECT_EQ(pixelAt(w.second, inside), platform::kFocusYellow);
  w.first->setFocus();
  EXPECT_EQ(pixelAt(w.first, inside), platform::kFocusYellow);
  EXPECT_EQ(pixelAt(w.second, inside), QColor(Qt::white));
  // Painting again changes the normal fill.
  platform::paintFocus(w.second, platform::kLightSteelBlue);
  EXPECT_EQ(pixelAt(w.second, inside), platform::kLightSteelBlue);
}

namespace {

struct ComboWindow {
  QWidget window;
  ListOnlyCombo* combo = new ListOnlyCombo(&window, "txtGiorno", {"01", "02", "31"});
  QLineEdit* next = new QLineEdit(&window);
  ComboWindow() {
    window.resize(300, 200);
    combo->setGeometry(20, 20, 80, 24);
    next->setGeometry(20, 80, 120, 24);
  }
};

}  // namespace

TEST(ListOnlyCombo, TypingIsSwallowedBackspaceEmptiesEnterSignals) {
  ComboWindow w;
  activate(&w.window);
  w.combo->setFocus();
  w.combo->setCurrentIndex(1);
  EXPECT_EQ(w.combo->currentText(), "02");
  QTest::keyClicks(w.combo, "x7");
  QTest::keyClicks(w.combo->lineEdit(), "y");
  QTest::keyClick(w.combo, Qt::Key_V, Qt::ControlModifier);
  QTest::keyClick(w.combo, Qt::Key_Down);
  EXPECT_EQ(w.combo->currentText(), "02");

  QSignalSpy enter(w.combo, &ListOnlyCombo::enterPressed);
  QTest::keyClick(w.combo, Qt::Key_Return);
  EXPECT_EQ(enter.count(), 1);

  QTest::keyClick(w.combo, Qt::Key_Backspace);
  EXPECT_EQ(w.combo->currentText(), "");
  w.combo->setEditText("31");
  QTest::keyClick(w.combo->lineEdit(), Qt::Key_Delete);
  EXPECT_EQ(w.combo->currentText(), "");
}

TEST(ListOnlyCombo, LeftAndRightMoveTheCursor) {
  ComboWindow w;
  activate(&w.window);
  w.combo->setFocus();
  w.combo->setEditText("31");
  w.combo->lineEdit()->setCursorPosition(2);
  QTest::keyClick(w.combo, Qt::Key_Left);
  EXPECT_EQ(w.combo->lineEdit()->cursorPosition(), 1);
  QTest::keyClick(w.combo, Qt::Key_Right);
  EXPECT_EQ(w.combo->lineEdit()->cursorPosition(), 2);
}

TEST(ListOnlyCombo, TakingTheFocusClearsTheSelectionKeepsTheText) {
  ComboWindow w;
  activate(&w.window);
  w.next->setFocus();
  w.combo->setCurrentIndex(2);
  w.combo->setFocus();
  EXPECT_EQ(w.combo->currentIndex(), -1);
  EXPECT_EQ(w.combo->currentText(), "31");
}

TEST(ListOnlyCombo, LeavingEmptiesATextThatIsNoItem) {
  struct Case {
    const char* text;
    bool fold;
    const char* after;
  } cases[] = {
      {"1", false, ""}, {"01", false, "01"}, {" 02 ", false, " 02 "}, {"xx", false, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    ComboWindow w;
    activate(&w.window);
    w.combo->setFocus();
    w.combo->setEditText(c.text);  // as a loaded record would
    QSignalSpy left(w.combo, &ListOnlyCombo::left);
    w.next->setFocus();
    EXPECT_EQ(w.combo->currentText(), c.after);
    EXPECT_EQ(left.count(), 1);
  }
}

TEST(ListOnlyCombo, CarriesAFocusHighlight) {
  ComboWindow w;
  auto* eff = platform::addFocusHighlight(w.combo, "effGiorno");
  activate(&w.window);
  w.combo->setFocus();
  EXPECT_TRUE(eff->isVisible());
  w.next->setFocus();
  EXPECT_FALSE(eff->isVisible());
}

TEST(ListOnlyCombo, MonthsComparedExactlyOrFolded) {
  QWidget window;
  ListOnlyCombo exact(&window, "txtMese", {"Gennaio", "Febbraio"});
  EXPECT_TRUE(exact.isItem(" Gennaio "));
  EXPECT_FALSE(exact.isItem("gennaio"));
  exact.setFoldCase(true);
  EXPECT_TRUE(exact.isItem("GENNAIO"));
  EXPECT_FALSE(exact.isItem("Gen"));
}

TEST(ListOnlyCombo, PickingFromTheListSetsTheText) {
  ComboWindow w;
  activate(&w.window);
  w.combo->setFocus();
  w.combo->setCurrentIndex(0);
  EXPECT_EQ(w.combo->currentText(), "01");
  w.combo->clearSelection();
  EXPECT_EQ(w.combo->currentIndex(), -1);
  EXPECT_EQ(w.combo->currentText(), "01");
}
