#pragma once
// A record card's controls as one table, a row per control. Each row names the
// control, the window member that keeps it, the record field it is stored in, the small
// rules of its family (the length user input may reach, where Enter moves the focus,
// which keys it takes, what happens to its text while typing and when it is left,
// whether it is a read-only date edit filled from the calendar, which characters it
// refuses, how it shows the focus, its status hint) and its place on the card (its
// section, its geometry, its caption). CardFields builds the controls a window has not
// built (or takes the ones it has, found by name), places them with their captions,
// binds them to the card's RecordCard, installs their behaviour and sets the tab order
// (the rows' order) and the Enter chain; the window keeps its commands and its checks.
//
//   const kit::CardField kFields[] = {
//       {.control = "txtMarca", .member = kit::member<&TfrmCosti::txtMarca>, .field = "Marca",
//        .mark = kit::highlight(),  // effMarca
//        .place = {.section = "bkgVeicolo", .at = {150, 40, 300, 24}, .caption = {"Marca:", {10, 40, 134, 24}}}},
//       {.control = "chkSaldato", .member = kit::member<&TfrmCosti::chkSaldato>, .field = "Saldato",
//        .hint = "...", .widget = kit::Widget::Check, .text = "Saldato", .place = {...}},
//   };
//   cardFields_ = new kit::CardFields(*this, *card_, kFields, {.enterFollowsRows = true, .limitToFields = true});
//
// Characters: whatever way text enters an edit (typing, pasting by keyboard, menu or
// middle click, dropping, an input method), it goes through admittedText() first: a
// character that the row refuses when typed never arrives by any other way either,
// and control characters (C0, DEL, C1) enter no edit at all. Text set by code (a
// loaded record, a picker, the calendar) is taken as it is and never cut.
#include <QColor>
#include <QFont>
#include <QObject>
#include <QRect>
#include <QString>
#include <array>
#include <functional>
#include <initializer_list>
#include <optional>
#include <span>
#include <stdexcept>
#include <string_view>
#include <vector>

#include "core/text.h"

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
// a sky-blue border) or the yellow highlight rectangle named `eff` behind it (by default
// "eff" + the control's name after its "txt"). A
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
// The highlight `eff` behind the control; with no name, "eff" + the control's name
// after its "txt" (txtMarca: effMarca).
inline FocusMark highlight(const char* eff = nullptr) { return {FocusMark::Kind::Highlight, QColor(), eff, true}; }

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

// A row's Enter target that says "none" where Enter otherwise follows the rows (a date
// edit whose Enter opens the calendar).
inline constexpr const char* kNoNext = "";

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
  // A check box of `text`, stored "Sì" ticked and "No" unticked (RecordCard::bind).
  Check,
  // A label showing a stored value (`text` its designed text); not placed: hidden.
  Label,
  // A push button of `text`; the window connects its click. It takes the focus, so it
  // stands in the tab order, but Enter passes it by.
  Button,
  // A control the window has built itself (found by name, never placed): it only takes
  // its place in the tab order.
  Other,
};

// Stores a row's control in its window's member (see member<> below).
using MemberSlot = void (*)(QObject* window, QWidget* control);

// A row's caption: a label of `text` at `at` on the row's section.
struct Caption {
  const char* text = nullptr;  // UTF-8; null: no caption
  QRect at = {};
  Qt::Alignment align = Qt::AlignRight | Qt::AlignVCenter;
};

// Where a row's control stands: on its section (any named widget of the window: a card
// panel, a group, a panel of the window's own), at `at` there, with its caption and the
// alignment of its text.
struct Place {
  const char* section = nullptr;  // objectName; null: the settings' parent
  QRect at = {};                  // empty: not placed (a hidden label, a control placed by the window)
  Caption caption = {};
  Qt::Alignment align = {};       // an edit's text; none: the default
};

// One control. Fill it with designated initializers; what a row leaves out is "none".
struct CardField {
  const char* control = nullptr;      // objectName, "txtTarga"
  MemberSlot member = nullptr;        // kit::member<&TfrmX::txtTarga>; null: none
  std::string_view field = {};        // record field; empty: not stored by the card
  int maxLength = 0;                  // user input only; 0: no limit (or the field's, see limitToFields)
  // The control Enter moves to; nullptr: none, or the next row's where Enter follows
  // the rows; kNoNext: none in any case.
  const char* next = nullptr;
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
  // A check box's or a button's text, a label's designed text (UTF-8).
  const char* text = nullptr;
  // New leaves the control alone (a year set by a menu, a date built by Save).
  bool keepOnNew = false;
  Place place = {};
};

namespace detail {
template <class M>
struct MemberOf;
template <class W, class T>
struct MemberOf<T* W::*> {
  using Window = W;
  using Control = T;
};
template <class W, class T, std::size_t N>
struct MemberOf<std::array<T*, N> W::*> {
  using Window = W;
  using Control = T;
};
template <class T>
T* typed(QWidget* control) {
  T* t = qobject_cast<T*>(control);
  if (!t) throw std::logic_error("card fields: a member of another kind than its control");
  return t;
}
template <auto Member>
void assignMember(QObject* window, QWidget* control) {
  using M = MemberOf<decltype(Member)>;
  static_cast<typename M::Window*>(window)->*Member = typed<typename M::Control>(control);
}
template <auto Array, std::size_t I>
void assignElement(QObject* window, QWidget* control) {
  using M = MemberOf<decltype(Array)>;
  (static_cast<typename M::Window*>(window)->*Array).at(I) = typed<typename M::Control>(control);
}
}  // namespace detail

// The member a row's control is kept in, `&TfrmX::txtTarga` (a pointer of the control's
// kind or a base of it), or element I of a member array of them.
template <auto Member>
inline constexpr MemberSlot member = &detail::assignMember<Member>;
template <auto Array, std::size_t I>
inline constexpr MemberSlot element = &detail::assignElement<Array, I>;

// The row of `control`; throws std::logic_error when the table has none.
const CardField& rowOf(std::span<const CardField> rows, std::string_view control);
// One table from pieces, in order.
std::vector<CardField> joinRows(std::initializer_list<std::span<const CardField>> pieces);

// The six rows of the vehicle a card names, in this order: txtVeicolo, txtMarca,
// txtModello, txtColore, txtAlimentazione, txtTarga, kept in the window's members of
// those names and stored in the fields Veicolo ... Targa, each with its highlight
// effVeicolo ... effTarga; the plate trimmed and upper-cased as `plate` says. `places`
// puts them on the card. With `types`, the vehicle type is a combo offering them (any
// text may still be typed).
template <class W>
std::array<CardField, 6> vehicleRows(Typing plate, const std::array<Place, 6>& places,
                                     std::span<const char* const> types = {}) {
  return {{
      {.control = "txtVeicolo", .member = member<&W::txtVeicolo>, .field = "Veicolo", .mark = highlight(),
       .widget = types.empty() ? Widget::Edit : Widget::Combo, .items = types, .place = places[0]},
      {.control = "txtMarca", .member = member<&W::txtMarca>, .field = "Marca", .mark = highlight(),
       .place = places[1]},
      {.control = "txtModello", .member = member<&W::txtModello>, .field = "Modello",
       .mark = highlight(), .place = places[2]},
      {.control = "txtColore", .member = member<&W::txtColore>, .field = "Colore", .mark = highlight(),
       .place = places[3]},
      {.control = "txtAlimentazione", .member = member<&W::txtAlimentazione>, .field = "Alimentazione",
       .mark = highlight(), .place = places[4]},
      {.control = "txtTarga", .member = member<&W::txtTarga>, .field = "Targa", .typing = plate,
       .mark = highlight(), .place = places[5]},
  }};
}

// The one character rule of an edit: `incoming` without control characters, without
// the row's refused characters and, in a digit edit, with only its digits (and commas).
QString admittedText(const CardField& row, const QString& incoming);

struct CardFieldsSettings {
  // Where edits missing from the window are built (the window when null).
  QWidget* parent = nullptr;
  // Opens the calendar for a date edit with its key word (the card window supplies
  // it: the calendar dialog lives above the kit); required when a row has one.
  std::function<void(const QString& keyWord)> openCalendar = {};
  // Enter follows the rows: a row with no `next` moves the focus to the next row that
  // takes Enter (edits and combos), the last to the first.
  bool enterFollowsRows = false;
  // A stored edit or combo with no maxLength takes its field's width as its limit.
  bool limitToFields = false;
  // The font of the edits, combos and labels built here; none: the window's.
  std::optional<QFont> font = {};
};

class CardFields : public QObject {
 public:
  using Settings = CardFieldsSettings;

  // Finds or builds every row's control, places it with its caption, keeps it in its
  // member, binds the stored ones to `card` in row order, installs the rows' behaviour
  // and makes the rows' order the tab order (labels left out). A named control of
  // another kind than its row's, a section, `next` or Other row that names no control,
  // a member of another kind, or a date row without openCalendar is a programming
  // error: throws std::logic_error.
  CardFields(platform::Form& window, RecordCard& card, std::span<const CardField> rows, Settings settings = {});
  ~CardFields() override;

  std::size_t size() const { return entries_.size(); }
  // The row's edit (a combo's own edit for a combo row).
  platform::FilteredEdit* edit(std::size_t row) const { return entries_.at(row).edit; }
  // The control that takes the focus and the card's value: the edit, or the combo.
  QWidget* control(std::size_t row) const { return entries_.at(row).control; }
  // The row's list-only combo; null for any other row.
  platform::ListOnlyCombo* combo(std::size_t row) const;
  // The edits of the plain edit rows, in row order.
  std::vector<platform::FilteredEdit*> edits() const;
  // The control of the row of that control name; throws std::logic_error when none.
  QWidget* control(std::string_view name) const;
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
  // The row's control, found or built on `parent` (edits, check boxes, labels, buttons).
  Entry entry(platform::Form& window, QWidget* parent, const CardField& row);
  // Puts the control and its caption where the row says.
  void place(platform::Form& window, const Entry& entry);
  // Binds and installs an edit or editable combo row.
  void installEdit(RecordCard& card, const Entry& entry);
  // Where Enter moves from each row; the tab order.
  void chain();
  void orderTabs(platform::Form& window);
  bool keyPress(const Entry& entry, QKeyEvent* event);
  void openCalendar(const Entry& entry);
  // A combo row: finds or builds the combo, gives it a filtered edit of its own.
  Entry comboEntry(platform::Form& window, QWidget* parent, const CardField& row);
  // A list-only combo row: found or built, filled with its items.
  static Entry listOnlyEntry(platform::Form& window, QWidget* parent, const CardField& row);
  // Binds a list-only combo row and installs its behaviour.
  void installListOnly(RecordCard& card, const Entry& entry);

  platform::Form* window_;
  Settings settings_;
  std::vector<Entry> entries_;
};

}  // namespace kit
