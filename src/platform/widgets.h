#pragma once
// Small widgets the windows share: picture buttons, the yellow focus highlight of
// the cards and search windows, the painted focus of the vehicle and trip cards,
// and the list-only combo of the day, month, hour and minute fields.
#include <QColor>
#include <QComboBox>
#include <QPixmap>
#include <QString>
#include <QWidget>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace platform {

// A clickable picture (the `cmd`, `imp` and checker pictures). It never takes the
// focus, so the edit that had it keeps it and its leave handling has not run when
// clicked() is emitted. Shows a pixmap scaled to fit, or, with no pixmap, a painted
// glyph/label. Disabled, it is drawn greyed and emits nothing.
class PictureButton : public QWidget {
  Q_OBJECT
 public:
  // `glyphOrResource`: a resource or file path of a picture (":/img/salva.png"), or,
  // when no picture loads from it, a short text drawn as the button's face.
  PictureButton(QWidget* parent, const QString& objectName, const QString& glyphOrResource = {});

  void setPixmap(const QPixmap& pixmap);
  QPixmap pixmap() const { return pixmap_; }
  void setGlyph(const QString& glyph);
  QString glyph() const { return glyph_; }

  QSize sizeHint() const override;

 signals:
  // A left click (press and release over the picture) while enabled.
  void clicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QPixmap pixmap_;
  QString glyph_;
  bool pressed_ = false;
};

// The yellow rectangle drawn behind an edit while it has the focus: yellow fill,
// a border fading from yellow to white. Created by addFocusHighlight(). With another
// fill (the pale yellow band of the booking dialogs) it is a band that stays shown.
class HighlightRect : public QWidget {
  Q_OBJECT
 public:
  explicit HighlightRect(QWidget* parent, const QColor& fill = QColor(0xFF, 0xFF, 0x00));

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor fill_;
};
inline const QColor kPaleYellow{0xFE, 0xFE, 0xC0};

// Calls `onFocus(true)` whenever `widget` takes the focus and `onFocus(false)` when the
// focus moves on to another control of its window, which a control's leave handling
// waits for. Going to another window (a message box, a dialog) or to a popup is not
// moving on; a control focused by code while the window was inactive (behind a
// message box) is, noticed as the window takes the focus back.
void watchFocus(QWidget* widget, std::function<void(bool focused)> onFocus);

// Puts a HighlightRect named `effName` behind `edit` (same parent, 4 px larger on
// each side, following the edit's geometry), hidden; it is shown while the edit (or
// a combo's line edit) has the focus and hidden when the focus moves to another
// control. The focus leaving the window (a message box, a modal dialog) does not
// hide it. `edit` must already have its parent. Returns the rectangle (owned by
// that parent).
HighlightRect* addFocusHighlight(QWidget* edit, const QString& effName);

// The painted focus of the vehicle and trip cards: the edit is filled `normalFill`
// (alice blue, white or light steel blue) with a sky-blue border (#87CEEB), and
// yellow (#FFFF00) while it has the focus; with `yellowWhileFocused` false (the
// trip card's read-only totals) it keeps its fill whatever the focus. The edit's
// style sheet belongs to this from now on; calling it again changes the normal fill.
void paintFocus(QLineEdit* edit, const QColor& normalFill, bool yellowWhileFocused = true);
inline const QColor kAliceBlue{0xF0, 0xF8, 0xFF};
inline const QColor kLightSteelBlue{0xB0, 0xC4, 0xDE};
inline const QColor kSkyBlue{0x87, 0xCE, 0xEB};
inline const QColor kFocusYellow{0xFF, 0xFF, 0x00};
inline const QColor kSteelBlue{0x46, 0x82, 0xB4};

// From a widget's paintEvent: a vertical gradient from `top` to white over the whole
// widget (the backdrop of the login, launcher, schedule and summary windows).
void paintGradient(QWidget* widget, const QColor& top);
// From a widget's paintEvent: a vertical gradient from `top` to `bottom` in a rounded
// box of `radius`, antialiased, with no outline.
void paintRoundedGradient(QWidget* widget, const QColor& top, const QColor& bottom, qreal radius);

// A combo edit whose text may only be one of its items: typed characters are
// swallowed, Backspace or Delete empties it, Left, Right and Tab pass, Enter emits
// enterPressed() (the window moves the focus on). Whenever it is about to take the
// focus its list selection is cleared and its text kept; when the focus moves to
// another control a text that is not one of its items (compared trimmed, and with
// A-Z folded when foldCase is set) is emptied, then left() is emitted.
// Its text may still be set by code to anything (a loaded record, a picker).
// Drops a combo edit's list selection, keeping its text.
void dropListSelection(QComboBox* combo);

class ListOnlyCombo : public QComboBox {
  Q_OBJECT
 public:
  ListOnlyCombo(QWidget* parent, const QString& objectName, const QStringList& items = {});

  // Months of one window are compared with A-Z folded, of another exactly.
  void setFoldCase(bool fold) { foldCase_ = fold; }
  // Whether `text` (trimmed, folded when set) is one of the items.
  bool isItem(const QString& text) const;
  // Drops the list selection, keeping the text.
  void clearSelection();

 signals:
  void enterPressed();
  void left();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool handleKey(QKeyEvent* event);  // true when consumed
  bool foldCase_ = false;
};

// A push button of our windows: named, never the dialog's default, so Enter in an
// edit does not press it behind the window's back (Enter is handled by the edits).
QPushButton* pushButton(QWidget* parent, const QString& name, const QString& text,
                        const QRect& geometry = QRect());

// Enter on `button` while it has the focus presses it, as Space does (our buttons are
// never a window's default, so Enter alone would not).
void clickOnEnter(QPushButton* button);

// A label with `text` at `geometry`, named `name` (unnamed when it is empty).
QLabel* namedLabel(QWidget* parent, const QString& name, const QString& text, const QRect& geometry);
// The colour of a widget's text (its palette's window text).
void setTextColour(QWidget* widget, const QColor& colour);

// The keys a digits-only field lets through besides digits: Backspace, Delete, Left,
// Right, Tab and Backtab.
bool isMoveOrDeleteKey(int key);
// A key's text that is exactly one ASCII digit.
bool isOneDigit(const QString& keyText);
// The ASCII digits of `text`, nothing else: the input filter of the year boxes.
QString asciiDigitsOnly(const QString& text);
// Return or the keypad's Enter.
bool isEnterKey(int key);

// Moves `child` to the middle of an area of `area` (its parent's size), never above or
// left of the area's corner: a card or panel of fixed size in a larger window.
void centreIn(QWidget* child, const QSize& area);

}  // namespace platform
