#include "kit/card_fields.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <algorithm>
#include <stdexcept>
#include <string>

#include "kit/record_card.h"
#include "platform/edits.h"
#include "platform/form.h"
#include "platform/qtext.h"
#include "platform/widgets.h"

namespace kit {

namespace {

bool isControl(char16_t c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F); }
bool isDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

bool isEnter(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }

bool isModifierOnly(int key) {
  switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
    case Qt::Key_ScrollLock:
      return true;
    default:
      return false;
  }
}

// The typing rule on the text the user has just changed; the cursor keeps its place
// among the characters that stay.
void applyTyping(QLineEdit* edit, Typing typing) {
  const QString typed = edit->text();
  QString shown = platform::trim(typed);
  if (typing == Typing::TrimUpper || typing == Typing::TrimUpperOnKeyUp) shown = platform::upperAZ(shown);
  if (shown == typed) return;
  qsizetype leading = 0;  // blanks and controls that went from the start
  while (leading < typed.size() && typed.at(leading).unicode() <= 0x20) ++leading;
  const qsizetype cursor = std::clamp<qsizetype>(edit->cursorPosition() - leading, 0, shown.size());
  edit->setText(shown);
  edit->setCursorPosition(int(cursor));
}

[[noreturn]] void misconfigured(const std::string& what) { throw std::logic_error("card fields: " + what); }

// The name of a row's highlight rectangle.
QString highlightName(const CardField& row) {
  if (row.mark.eff) return QString::fromLatin1(row.mark.eff);
  const QString control = QString::fromLatin1(row.control);
  return QStringLiteral("eff") + (control.startsWith(QLatin1String("txt")) ? control.mid(3) : control);
}

OnNew onNewOf(const CardField& row) {
  return row.newText ? OnNew::set(QString::fromUtf8(row.newText)) : OnNew::empty();
}

}  // namespace

const std::array<const char*, 31> kDayItems = {"01", "02", "03", "04", "05", "06", "07", "08", "09", "10", "11",
                                               "12", "13", "14", "15", "16", "17", "18", "19", "20", "21", "22",
                                               "23", "24", "25", "26", "27", "28", "29", "30", "31"};
const std::array<const char*, 24> kHourItems = {"00", "01", "02", "03", "04", "05", "06", "07", "08", "09", "10", "11",
                                                "12", "13", "14", "15", "16", "17", "18", "19", "20", "21", "22", "23"};
const std::array<const char*, 60> kMinuteItems = {
    "00", "01", "02", "03", "04", "05", "06", "07", "08", "09", "10", "11", "12", "13", "14", "15", "16", "17", "18", "19",
    "20", "21", "22", "23", "24", "25", "26", "27", "28", "29", "30", "31", "32", "33", "34", "35", "36", "37", "38", "39",
    "40", "41", "42", "43", "44", "45", "46", "47", "48", "49", "50", "51", "52", "53", "54", "55", "56", "57", "58", "59"};

QString normalisedAmount(const QString& text) { return platform::normaliseAmount(text); }

QString emptyUnlessDigits(const QString& text) {
  for (QChar c : text)
    if (!isDigit(c.unicode())) return QString();
  return text;
}

QString trimmedUpper(const QString& text) { return platform::upperAZ(platform::trim(text)); }

QString zeroWhenEmpty(const QString& text) { return platform::trim(text).isEmpty() ? QStringLiteral("0") : text; }

QString admittedText(const CardField& row, const QString& incoming) {
  QString in = incoming;
  in.removeIf([&row](QChar ch) {
    const char16_t c = ch.unicode();
    if (isControl(c)) return true;
    if (row.refused && row.refused(c)) return true;
    switch (row.keys) {
      case Keys::Any:
        return false;
      case Keys::Digits:
        return !isDigit(c);
      case Keys::DigitsComma:
        return !isDigit(c) && c != u',';
    }
    return false;
  });
  return in;
}

CardFields::CardFields(platform::Form& window, RecordCard& card, std::span<const CardField> rows, Settings settings)
    : QObject(&window), window_(&window), settings_(std::move(settings)) {
  QWidget* container = settings_.parent ? settings_.parent : &window;
  entries_.reserve(rows.size());
  for (const CardField& given : rows) {
    if (!given.control) misconfigured("a row without a control name");
    CardField row = given;
    if (settings_.limitToFields && row.maxLength == 0 && !row.field.empty())
      row.maxLength = card.layout().field(card.layout().indexOf(row.field)).width;
    QWidget* parent = container;
    if (row.place.section) {
      parent = window.findChild<QWidget*>(QString::fromLatin1(row.place.section));
      if (!parent) misconfigured(std::string(row.control) + ": no section " + row.place.section);
    }
    entries_.push_back(entry(window, parent, row));
    place(window, entries_.back());
    if (row.member) row.member(&window, entries_.back().control);
  }

  for (Entry& entry : entries_) {
    const CardField& row = entry.row;
    if (row.next && *row.next) {
      entry.next = window.findChild<QWidget*>(QString::fromLatin1(row.next));
      if (!entry.next) misconfigured(std::string(row.control) + ": no control " + row.next);
    }
    if (row.hint) window.setHint(entry.control, QString::fromUtf8(row.hint));
    const OnNew onNew = row.keepOnNew ? OnNew::keep() : onNewOf(row);
    switch (row.widget) {
      case Widget::Edit:
      case Widget::Combo:
        installEdit(card, entry);
        break;
      case Widget::ListOnly:
        installListOnly(card, entry);
        break;
      case Widget::Check:
        if (!row.field.empty()) card.bind(row.field, static_cast<QCheckBox*>(entry.control), onNew);
        break;
      case Widget::Label:
        if (!row.field.empty()) card.bind(row.field, static_cast<QLabel*>(entry.control), onNew);
        break;
      case Widget::Button:
      case Widget::Other:
        break;
    }
  }
  if (settings_.enterFollowsRows) chain();
  orderTabs(window);
}

CardFields::Entry CardFields::entry(platform::Form& window, QWidget* parent, const CardField& row) {
  const QString name = QString::fromLatin1(row.control);
  QWidget* found = window.findChild<QWidget*>(name);
  auto wrongKind = [&row](const char* kind) { misconfigured(std::string(row.control) + " is not " + kind); };
  const QString text = row.text ? QString::fromUtf8(row.text) : QString();
  switch (row.widget) {
    case Widget::Combo:
      return comboEntry(window, parent, row);
    case Widget::ListOnly:
      return listOnlyEntry(window, parent, row);
    case Widget::Check: {
      auto* box = qobject_cast<QCheckBox*>(found);
      if (found && !box) wrongKind("a check box");
      if (!box) {
        box = new QCheckBox(text, parent);
        box->setObjectName(name);
      }
      return {row, nullptr, box, nullptr};
    }
    case Widget::Label: {
      auto* label = qobject_cast<QLabel*>(found);
      if (found && !label) wrongKind("a label");
      if (!label) {
        label = platform::namedLabel(parent, name, text, QRect());
        label->setVisible(!row.place.at.isEmpty());
      }
      return {row, nullptr, label, nullptr};
    }
    case Widget::Button: {
      auto* button = qobject_cast<QPushButton*>(found);
      if (found && !button) wrongKind("a push button");
      if (!button) button = platform::pushButton(parent, name, text);
      return {row, nullptr, button, nullptr};
    }
    case Widget::Other:
      if (!found) misconfigured(std::string(row.control) + ": the window has not built it");
      return {row, nullptr, found, nullptr};
    case Widget::Edit:
      break;
  }
  auto* edit = qobject_cast<platform::FilteredEdit*>(found);
  if (found && !edit) wrongKind("a FilteredEdit");
  if (!edit) edit = new platform::FilteredEdit(parent, name);
  return {row, edit, edit, nullptr};
}

void CardFields::place(platform::Form& window, const Entry& entry) {
  const Place& place = entry.row.place;
  const bool built = entry.row.widget != Widget::Other && entry.row.widget != Widget::Check &&
                     entry.row.widget != Widget::Button;
  if (settings_.font && built) entry.control->setFont(*settings_.font);
  if (place.at.isEmpty()) return;
  entry.control->setGeometry(place.at);
  if (place.align) {
    if (entry.edit) entry.edit->setAlignment(place.align);
    else if (auto* label = qobject_cast<QLabel*>(entry.control)) label->setAlignment(place.align);
  }
  if (place.caption.text) {
    QLabel* caption = platform::namedLabel(entry.control->parentWidget(), QString(),
                                           QString::fromUtf8(place.caption.text), place.caption.at);
    caption->setAlignment(place.caption.align);
    window.setHint(caption, QString());
  }
}

void CardFields::installEdit(RecordCard& card, const Entry& entry) {
  const CardField& row = entry.row;
  platform::FilteredEdit* edit = entry.edit;
  if (row.calendarKey) {
    if (!settings_.openCalendar) misconfigured(std::string(row.control) + ": a date edit without a calendar");
    edit->setReadOnly(true);
  }
  if (row.readOnly) edit->setReadOnly(true);
  edit->setInputLimit(row.maxLength);
  edit->setInputFilter([row](const QString& incoming) { return admittedText(row, incoming); });
  if (row.typing != Typing::None)
    connect(edit, &QLineEdit::textEdited, this, [edit, typing = row.typing] { applyTyping(edit, typing); });
  // TrimUpperOnKeyUp also runs at every key release (eventFilter).
  switch (row.mark.kind) {
    case FocusMark::Kind::None:
      break;
    case FocusMark::Kind::Painted:
      platform::paintFocus(edit, row.mark.fill, row.mark.showsFocus);
      break;
    case FocusMark::Kind::Highlight:
      platform::addFocusHighlight(entry.control, highlightName(row));
      break;
  }
  if (row.leave) {
    // Left for another control of the window, even one focused by code behind a box;
    // a combo is left as a whole.
    platform::watchFocus(entry.control, [edit, leave = row.leave](bool focused) {
      if (focused) return;
      const QString text = edit->text();
      const QString left = leave(text);
      if (left != text) edit->setText(left);
    });
  }
  auto* combo = qobject_cast<QComboBox*>(entry.control);
  if (!row.field.empty()) {
    const OnNew onNew = row.keepOnNew ? OnNew::keep() : onNewOf(row);
    if (combo) card.bind(row.field, combo, onNew);
    else card.bind(row.field, edit, onNew);
  }
  edit->installEventFilter(this);
  if (combo) combo->installEventFilter(this);
}

namespace {
bool takesEnter(Widget w) { return w == Widget::Edit || w == Widget::Combo || w == Widget::ListOnly; }
}  // namespace

void CardFields::chain() {
  std::vector<std::size_t> links;
  for (std::size_t i = 0; i < entries_.size(); ++i)
    if (takesEnter(entries_[i].row.widget)) links.push_back(i);
  for (std::size_t k = 0; k < links.size(); ++k) {
    Entry& entry = entries_[links[k]];
    if (entry.row.next) continue;  // its own target, or kNoNext
    entry.next = entries_[links[(k + 1) % links.size()]].control;
  }
  // A list-only combo hands its Enter on through its signal: connected now that its
  // target is known.
  for (std::size_t i : links) {
    const Entry& entry = entries_[i];
    if (entry.row.widget == Widget::ListOnly && !entry.row.next && entry.next)
      connect(static_cast<platform::ListOnlyCombo*>(entry.control), &platform::ListOnlyCombo::enterPressed, this,
              [next = entry.next] { next->setFocus(Qt::TabFocusReason); });
  }
}

void CardFields::orderTabs(platform::Form& window) {
  QWidget* previous = nullptr;
  for (const Entry& entry : entries_) {
    if (entry.row.widget == Widget::Label) continue;
    if (previous) window.setTabOrder(previous, entry.control);
    previous = entry.control;
  }
}

std::vector<platform::FilteredEdit*> CardFields::edits() const {
  std::vector<platform::FilteredEdit*> out;
  for (const Entry& entry : entries_)
    if (entry.row.widget == Widget::Edit) out.push_back(entry.edit);
  return out;
}

QWidget* CardFields::control(std::string_view name) const {
  for (const Entry& entry : entries_)
    if (name == entry.row.control) return entry.control;
  misconfigured("no row " + std::string(name));
}

const CardField& rowOf(std::span<const CardField> rows, std::string_view control) {
  for (const CardField& row : rows)
    if (control == row.control) return row;
  misconfigured("no row " + std::string(control));
}

std::vector<CardField> joinRows(std::initializer_list<std::span<const CardField>> pieces) {
  std::vector<CardField> out;
  for (std::span<const CardField> piece : pieces) out.insert(out.end(), piece.begin(), piece.end());
  return out;
}

CardFields::Entry CardFields::comboEntry(platform::Form& window, QWidget* parent, const CardField& row) {
  const QString name = QString::fromLatin1(row.control);
  QWidget* found = window.findChild<QWidget*>(name);
  auto* combo = qobject_cast<QComboBox*>(found);
  if (found && !combo) misconfigured(std::string(row.control) + " is not a combo");
  if (!combo) {
    combo = new QComboBox(parent);
    combo->setObjectName(name);
  }
  combo->setEditable(true);
  combo->setInsertPolicy(QComboBox::NoInsert);
  // No completion: a code typed in part is not filled up to the first item it begins.
  combo->setCompleter(nullptr);
  // The combo's own edit takes the row's rules like any edit of the card.
  auto* edit = new platform::FilteredEdit(combo, QString());
  combo->setLineEdit(edit);
  combo->setCompleter(nullptr);
  for (const char* item : row.items) combo->addItem(QString::fromUtf8(item));
  combo->setCurrentIndex(-1);
  return {row, edit, combo, nullptr};
}

CardFields::Entry CardFields::listOnlyEntry(platform::Form& window, QWidget* parent, const CardField& row) {
  const QString name = QString::fromLatin1(row.control);
  QWidget* found = window.findChild<QWidget*>(name);
  auto* combo = qobject_cast<platform::ListOnlyCombo*>(found);
  if (found && !combo) misconfigured(std::string(row.control) + " is not a ListOnlyCombo");
  if (!combo) combo = new platform::ListOnlyCombo(parent, name);
  if (combo->count() == 0) {
    for (const char* item : row.items) combo->addItem(QString::fromUtf8(item));
    combo->setCurrentIndex(-1);
  }
  return {row, nullptr, combo, nullptr};
}

void CardFields::installListOnly(RecordCard& card, const Entry& entry) {
  const CardField& row = entry.row;
  auto* combo = static_cast<platform::ListOnlyCombo*>(entry.control);
  combo->setFoldCase(row.listFoldCase);
  if (QWidget* next = entry.next)
    connect(combo, &platform::ListOnlyCombo::enterPressed, this, [next] { next->setFocus(Qt::TabFocusReason); });
  if (row.mark.kind == FocusMark::Kind::Highlight) platform::addFocusHighlight(combo, highlightName(row));
  if (!row.field.empty())
    card.bind(row.field, static_cast<QComboBox*>(combo), row.keepOnNew ? OnNew::keep() : onNewOf(row));
}

platform::ListOnlyCombo* CardFields::combo(std::size_t row) const {
  const Entry& entry = entries_.at(row);
  return entry.row.widget == Widget::ListOnly ? static_cast<platform::ListOnlyCombo*>(entry.control) : nullptr;
}

void CardFields::clearListSelections() {
  for (const Entry& entry : entries_)
    if (entry.row.widget == Widget::ListOnly) static_cast<platform::ListOnlyCombo*>(entry.control)->clearSelection();
}

CardFields::~CardFields() = default;

const CardFields::Entry* CardFields::entryOf(const QObject* watched) const {
  for (const Entry& entry : entries_)
    if (entry.edit == watched || entry.control == watched) return &entry;
  return nullptr;
}

bool CardFields::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    // A combo hands the keys on to its edit directly, past this filter: each key is
    // looked at once, on the control it was sent to.
    if (const Entry* entry = entryOf(watched)) return keyPress(*entry, static_cast<QKeyEvent*>(event));
  } else if (event->type() == QEvent::KeyRelease) {
    const Entry* entry = entryOf(watched);
    if (entry && entry->edit == watched && entry->row.typing == Typing::TrimUpperOnKeyUp)
      applyTyping(entry->edit, Typing::TrimUpperOnKeyUp);
  } else if (event->type() == QEvent::FocusIn) {
    const Entry* entry = entryOf(watched);
    if (entry && watched == entry->control) {
      if (auto* combo = qobject_cast<QComboBox*>(entry->control)) {
        // About to be typed into: no item selected, the text kept.
        const QString text = combo->currentText();
        combo->setCurrentIndex(-1);
        combo->setEditText(text);
      }
    }
  }
  return QObject::eventFilter(watched, event);
}

bool CardFields::keyPress(const Entry& entry, QKeyEvent* event) {
  const int key = event->key();
  if (entry.row.calendarKey) {
    if (key == Qt::Key_Backspace || key == Qt::Key_Delete) {
      entry.edit->clear();
      return true;
    }
    if (isEnter(key) && entry.next) {
      entry.next->setFocus(Qt::TabFocusReason);
      return true;
    }
    // Tab still moves along the fields; a modifier on its own is not a key press yet.
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab || isModifierOnly(key)) return false;
    openCalendar(entry);
    return true;
  }
  if (isEnter(key)) {
    // With nowhere to go Enter does nothing (and presses no button of the window).
    if (entry.next) entry.next->setFocus(Qt::TabFocusReason);
    return true;
  }
  if (entry.row.keys == Keys::Any) return false;
  if (platform::isMoveOrDeleteKey(key)) return false;
  const QString text = event->text();
  const bool passes = text.size() == 1 && (isDigit(text.at(0).unicode()) ||
                                           (entry.row.keys == Keys::DigitsComma && text.at(0) == u','));
  return !passes;  // every other key is swallowed, Up, Down, Home, End and Ctrl+V included
}

void CardFields::openCalendar(const Entry& entry) {
  settings_.openCalendar(QString::fromLatin1(entry.row.calendarKey));
}

}  // namespace kit
