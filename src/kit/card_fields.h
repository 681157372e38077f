#pragma once
// A record card's edits as one table, a row per edit. Each row names the edit, the
// record field it is stored in and the small rules of its family: the length user
// input may reach, where Enter moves the focus, which keys it takes, what happens to
// its text while typing and when it is left, whether it is a read-only date edit
// filled from the calendar, which characters it refuses, how it shows the focus and
// its status hint. CardFields builds the edits a window has not built (or takes the
// ones it has, found by name), binds them to the card's RecordCard and installs their
// behaviour; the window keeps only its layout and its commands.
//
// Characters: whatever way text enters an edit (typing, pasting by keyboard, menu or
// middle click, dropping, an input method), it goes through admittedText() first: a
// character that the row refuses when typed never arrives by any other way either,
// and control characters (C0, DEL, C1) enter no edit at all. Text set by code (a
// loaded record, a picker, the calendar) is taken as it is and never cut.
#include <QColor>
#include <array>

#include "core/text.h"
#include <QObject>
#include <QString>
#include <functional>
#include <span>
#include <string_view>
#include <vector>

class QKeyEvent;
class QWidget;

namespace platform {
class FilteredEdit;
class Form;
class ListOnlyCombo;
}  // namespace platform

namespace kit {

class RecordCard;

// Keys an edit takes besides Enter: all, or digits only (digits and a comma for an
// amount). A digit edit lets Backspace, Delete, Left, Right and Tab pass and swallows
// every other key; pasted text keeps only its digits (and commas).
enum class Keys { Any, Digits, DigitsComma };

// What every change made by the user does to the text: nothing, trim, or trim and
// turn a-z into A-Z (accented letters stay). The cursor stays where it was among the
// characters kept. TrimUpperOnKeyUp does the same after every key released in the edit
// as well, whatever the key and whoever set the text (a picker's lower-case code is
// upper-cased by the first key the user releases in it).
enum class Typing { None, Trim, TrimUpper, TrimUpperOnKeyUp };

// How an edit shows that it has the focus: painted (its fill, yellow while focused,
// a sky-blue border) or the yellow highlight rectangle named `eff` behind it. A
// painted edit that shows no focus keeps its fill and border whatever the focus (the
// read-only totals of the trip card).
struct FocusMark {
  enum class Kind { None, Painted, Highlight };
  Kind kind = Kind::None;
  QColor fill;
  const char* eff = nullptr;
  bool showsFocus = true;
};
inline FocusMark painted(const QColor& fill) { return {FocusMark::Kind::Painted, fill, nullptr, true}; }
inline FocusMark paintedWithoutFocus(const QColor& fill) { return {FocusMark::Kind::Painted, fill, nullptr, false}; }
inline FocusMark highlight(const char* eff) { return {FocusMark::Kind::Highlight, QColor(), eff, true}; }

// Run when the edit is left for another control of its window: the new text from the
// old (the amount normaliser, digits or empty, "0" for empty, ...).
using LeaveRule = QString (*)(const QString& text);
// A character the edit refuses besides the key filter's (the plate's set).
using RefusedChar = bool (*)(char16_t c);

// Leave rules of the kit.
// Empty unless every character, as it stands, is a digit (the empty text stays
// empty): a VAT number set by code (a picked vehicle, a stored record) or pasted
// with blanks in it is not kept when it is left.
QString emptyUnlessDigits(const QString& text);
// Trimmed, a-z turned into A-Z: what TrimUpper typing does, applied again on leaving.
QString trimmedUpper(const QString& text);

// "0" for a text that is empty when trimmed; any other text stays as it is (the whole
// numbers of the trip card: a text that is not one is dealt with by the totals).
QString zeroWhenEmpty(const QString& text);

// The amount normaliser, the leave rule of every amount edit ("" and what is no number
// -> "0,00"; a number -> rounded to 4 decimals, at least two shown).
QString normalisedAmount(const QString& text);

// The lists of the date and time combos: days "01".."31", the twelve month names
// capitalised, hours "00".."23", minutes "00".."59".
extern const std::array<const char*, 31> kDayItems;
inline constexpr const std::array<const char*, 12>& kMonthItems = core::kMonthNames;
extern const std::array<const char*, 24> kHourItems;
extern const std::array<const char*, 60> kMinuteItems;

// The control a row stands for.
enum class Widget {
  Edit,
  // A combo edit whose drop-down offers `items` as a help, not a restriction: any text
  // the row's rules admit may be typed, and the row's rules (length, keys, typing,
  // leave) hold for its edit. Its list selection is dropped, the text kept, whenever
  // it takes the focus; New empties it and leaves no item selected.
  Combo,
  // A list-only combo (platform::ListOnlyCombo) whose text may only be one of `items`:
  // typing is swallowed, Backspace and Delete empty it, Enter moves to `next`, its list
  // selection is dropped whenever it is about to take the focus, and leaving it empties
  // a text that is not one of its items (compared trimmed and exactly, or with A-Z
  // folded when listFoldCase is set). The row's length, key and typing rules do not
  // apply; its text set by code (a loaded record) is taken as it is.
  ListOnly,
};

// One edit. Fill it with designated initializers; what a row leaves out is "none".
struct CardField {
  const char* control = nullptr;      // objectName, "txtTarga"
  std::string_view field = {};        // record field; empty: not stored by the card
  int maxLength = 0;                  // user input only; 0: no limit
  const char* next = nullptr;         // the control Enter moves to; nullptr: none
  Keys keys = Keys::Any;
  Typing typing = Typing::None;
  LeaveRule leave = nullptr;
  // A read-only date edit: Backspace and Delete empty it, Enter moves to `next` (with
  // no `next` it opens the calendar too), Tab and a modifier alone pass, every other
  // key opens the calendar with this key word.
  const char* calendarKey = nullptr;
  RefusedChar refused = nullptr;
  FocusMark mark = {};
  const char* hint = nullptr;         // status hint (UTF-8) while the mouse is over it
  Widget widget = Widget::Edit;
  std::span<const char* const> items = {};  // a combo's list, in order
  bool listFoldCase = false;                // a list-only combo's leave check folds A-Z
  // What New puts into the control (UTF-8); nullptr: nothing, it is emptied.
  const char* newText = nullptr;
  // Shown and stored but never typed into (a total the card computes).
  bool readOnly = false;
};

// The one character rule of an edit: `incoming` without control characters, without
// the row's refused characters and, in a digit edit, with only its digits (and commas).
QString admittedText(const CardField& row, const QString& incoming);

struct CardFieldsSettings {
  // Where edits missing from the window are built (the window when null).
  QWidget* parent = nullptr;
  // Opens the calendar for a date edit with its key word (the card window supplies
  // it: the calendar dialog lives above the kit); required when a row has one.
  std::function<void(const QString& keyWord)> openCalendar;
};

class CardFields : public QObject {
 public:
  using Settings = CardFieldsSettings;

  // Finds or builds every row's edit, binds the stored ones to `card` in row order and
  // installs the rows' behaviour. A named control that is not a FilteredEdit, a `next`
  // that names no control, or a date row without openCalendar is a programming error:
  // throws std::logic_error.
  CardFields(platform::Form& window, RecordCard& card, std::span<const CardField> rows, Settings settings = {});
  ~CardFields() override;

  std::size_t size() const { return entries_.size(); }
  // The row's edit (a combo's own edit for a combo row).
  platform::FilteredEdit* edit(std::size_t row) const { return entries_.at(row).edit; }
  // The control that takes the focus and the card's value: the edit, or the combo.
  QWidget* control(std::size_t row) const { return entries_.at(row).control; }
  // The row's list-only combo; null for any other row.
  platform::ListOnlyCombo* combo(std::size_t row) const;
  const CardField& row(std::size_t row) const { return entries_.at(row).row; }

  // Every list-only combo drops its list selection and keeps its text (the cards do it
  // at Save, New and Duplicate).
  void clearListSelections();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Entry {
    CardField row;
    platform::FilteredEdit* edit;
    QWidget* control;  // the edit, or the combo that holds it
    QWidget* next;
  };
  const Entry* entryOf(const QObject* watched) const;
  bool keyPress(const Entry& entry, QKeyEvent* event);
  void openCalendar(const Entry& entry);
  // A combo row: finds or builds the combo, gives it a filtered edit of its own.
  Entry comboEntry(platform::Form& window, QWidget* parent, const CardField& row);
  // A list-only combo row: found or built, filled with its items.
  static Entry listOnlyEntry(platform::Form& window, QWidget* parent, const CardField& row);
  // Binds a list-only combo row and installs its behaviour.
  void installListOnly(platform::Form& window, RecordCard& card, const Entry& entry);

  platform::Form* window_;
  Settings settings_;
  std::vector<Entry> entries_;
};

}  // namespace kit
