#include "kit/card_fields.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
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
  if (typing == Typing::TrimUpper) shown = platform::upperAZ(shown);
  if (shown == typed) return;
  qsizetype leading = 0;  // blanks and controls that went from the start
  while (leading < typed.size() && typed.at(leading).unicode() <= 0x20) ++leading;
  const qsizetype cursor = std::clamp<qsizetype>(edit->cursorPosition() - leading, 0, shown.size());
  edit->setText(shown);
  edit->setCursorPosition(int(cursor));
}

[[noreturn]] void misconfigured(const std::string& what) { throw std::logic_error("card fields: " + what); }

}  // namespace

QString emptyUnlessDigits(const QString& text) {
  for (QChar c : text)
    if (!isDigit(c.unicode())) return QString();
  return text;
}

QString trimmedUpper(const QString& text) { return platform::upperAZ(platform::trim(text)); }

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
  QWidget* parent = settings_.parent ? settings_.parent : &window;
  entries_.reserve(rows.size());
  for (const CardField& row : rows) {
    if (!row.control) misconfigured("a row without a control name");
    if (row.widget == Widget::Combo) {
      entries_.push_back(comboEntry(window, parent, row));
      continue;
    }
    const QString name = QString::fromLatin1(row.control);
    QWidget* found = window.findChild<QWidget*>(name);
    auto* edit = qobject_cast<platform::FilteredEdit*>(found);
    if (found && !edit) misconfigured(std::string(row.control) + " is not a FilteredEdit");
    if (!edit) edit = new platform::FilteredEdit(parent, name);
    entries_.push_back({row, edit, edit, nullptr});
  }

  for (Entry& entry : entries_) {
    const CardField& row = entry.row;
    platform::FilteredEdit* edit = entry.edit;
    if (row.next) {
      entry.next = window.findChild<QWidget*>(QString::fromLatin1(row.next));
      if (!entry.next) misconfigured(std::string(row.control) + ": no control " + row.next);
    }
    if (row.calendarKey) {
      if (!settings_.openCalendar) misconfigured(std::string(row.control) + ": a date edit without a calendar");
      edit->setReadOnly(true);
    }
    edit->setInputLimit(row.maxLength);
    edit->setInputFilter([row](const QString& incoming) { return admittedText(row, incoming); });
    if (row.typing != Typing::None)
      connect(edit, &QLineEdit::textEdited, this, [edit, typing = row.typing] { applyTyping(edit, typing); });
    switch (row.mark.kind) {
      case FocusMark::Kind::None:
        break;
      case FocusMark::Kind::Painted:
        platform::paintFocus(edit, row.mark.fill);
        break;
      case FocusMark::Kind::Highlight:
        platform::addFocusHighlight(entry.control, QString::fromLatin1(row.mark.eff));
        break;
    }
    if (row.hint) window.setHint(entry.control, QString::fromUtf8(row.hint));
    auto* combo = qobject_cast<QComboBox*>(entry.control);
    if (!row.field.empty()) {
      if (combo) card.bind(row.field, combo);
      else card.bind(row.field, edit);
    }
    edit->installEventFilter(this);
    if (combo) combo->installEventFilter(this);
  }
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
  } else if (event->type() == QEvent::FocusOut) {
    const Entry* entry = entryOf(watched);
    if (entry && watched != entry->control) entry = nullptr;  // a combo is left as a whole
    if (entry && entry->row.leave && platform::leavesWithinWindow(static_cast<QFocusEvent*>(event))) {
      const QString text = entry->edit->text();
      const QString left = entry->row.leave(text);
      if (left != text) entry->edit->setText(left);
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
  switch (key) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return false;
    default:
      break;
  }
  const QString text = event->text();
  const bool passes = text.size() == 1 && (isDigit(text.at(0).unicode()) ||
                                           (entry.row.keys == Keys::DigitsComma && text.at(0) == u','));
  return !passes;  // every other key is swallowed, Up, Down, Home, End and Ctrl+V included
}

void CardFields::openCalendar(const Entry& entry) {
  settings_.openCalendar(QString::fromLatin1(entry.row.calendarKey));
}

}  // namespace kit
