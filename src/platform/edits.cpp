#include "platform/edits.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <algorithm>

namespace platform {

namespace {

// Whether QLineEdit would insert the key's text (its rule, so that no key it inserts
// passes by the filter): a format character (zero-width spaces and joiners, direction
// marks, the byte-order mark) whatever the modifiers; otherwise, with no Ctrl held (Ctrl
// and Ctrl+Shift keys are commands), a printable or private-use character or a
// character outside the basic plane.
bool insertsText(const QKeyEvent* event) {
  const QString text = event->text();
  if (text.isEmpty()) return false;
  const QChar first = text.front();
  if (first.category() == QChar::Other_Format) return true;
  const Qt::KeyboardModifiers mods = event->modifiers();
  if (mods == Qt::ControlModifier || mods == (Qt::ControlModifier | Qt::ShiftModifier)) return false;
  if (first.isPrint() || first.category() == QChar::Other_PrivateUse) return true;
  return first.isHighSurrogate() && text.size() > 1 && text.at(1).isLowSurrogate();
}

}  // namespace

FilteredEdit::FilteredEdit(QWidget* parent, const QString& objectName) : QLineEdit(parent) {
  setObjectName(objectName);
}

QString FilteredEdit::admitted(const QString& incoming) const {
  return admit(incoming, text().size() - selectedText().size());
}

QString FilteredEdit::admit(const QString& incoming, qsizetype kept) const {
  QString in = filter_ ? filter_(incoming) : incoming;
  if (limit_ > 0) {
    const qsizetype room = std::max<qsizetype>(0, limit_ - kept);
    if (in.size() > room) {
      in.truncate(room);
      if (!in.isEmpty() && in.back().isHighSurrogate()) in.chop(1);  // never half a character
    }
  }
  return in;
}

void FilteredEdit::pasteAdmitted(QClipboard::Mode mode) {
  if (isReadOnly()) return;
  const QString in = admitted(QGuiApplication::clipboard()->text(mode));
  if (!in.isEmpty()) insert(in);
}

void FilteredEdit::keyPressEvent(QKeyEvent* event) {
  if (!isReadOnly()) {
    if (event->matches(QKeySequence::Paste)) {
      pasteAdmitted();
      event->accept();
      return;
    }
    if (insertsText(event)) {
      const QString typed = event->text();
      const QString in = admitted(typed);
      if (in != typed) {
        // A refused key does nothing at all: the selection, if any, stays.
        if (!in.isEmpty()) insert(in);
        event->accept();
        return;
      }
    }
  }
  QLineEdit::keyPressEvent(event);
}

void FilteredEdit::inputMethodEvent(QInputMethodEvent* event) {
  // QLineEdit lets an input method write into a read-only edit: not ours.
  if (isReadOnly()) {
    event->ignore();
    return;
  }
  const QString commit = event->commitString();
  if (!commit.isEmpty()) {
    const QString in = admitted(commit);
    if (in != commit) event->setCommitString(in, event->replacementStart(), event->replacementLength());
  }
  QLineEdit::inputMethodEvent(event);
}

void FilteredEdit::contextMenuEvent(QContextMenuEvent* event) {
  QMenu* menu = createStandardContextMenu();
  if (!menu) return;
  for (QAction* action : menu->actions()) {
    // The submenu of Unicode control characters inserts past the filter: not offered.
    if (action->menu()) {
      menu->removeAction(action);
      continue;
    }
    // The menu's Paste goes through the filter like every other paste.
    const bool paste = disconnect(action, &QAction::triggered, this, &QLineEdit::paste) ||
                       disconnect(action, SIGNAL(triggered()), this, SLOT(paste()));
    if (paste) connect(action, &QAction::triggered, this, [this] { pasteAdmitted(); });
  }
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->popup(event->globalPos());
}

void FilteredEdit::mouseReleaseEvent(QMouseEvent* event) {
  // The middle button pastes the mouse selection where the system has one.
  if (event->button() == Qt::MiddleButton && !isReadOnly() && QGuiApplication::clipboard()->supportsSelection()) {
    deselect();
    pasteAdmitted(QClipboard::Selection);
    event->accept();
    return;
  }
  QLineEdit::mouseReleaseEvent(event);
}

void FilteredEdit::dropEvent(QDropEvent* event) {
  const QMimeData* data = event->mimeData();
  // Text moved within the edit is already in it.
  if (isReadOnly() || !data || !data->hasText() || event->source() == this) {
    QLineEdit::dropEvent(event);
    return;
  }
  // A drop inserts at the drop point and replaces no selection.
  const QString in = admit(data->text(), text().size());
  if (in.isEmpty()) {
    event->ignore();
    return;
  }
  QMimeData admittedData;
  admittedData.setText(in);
  QDropEvent admittedDrop(event->position(), event->possibleActions(), &admittedData, event->buttons(),
                          event->modifiers(), event->type());
  admittedDrop.setDropAction(event->dropAction());
  QLineEdit::dropEvent(&admittedDrop);
  event->setDropAction(admittedDrop.dropAction());
  event->setAccepted(admittedDrop.isAccepted());
}

QString withoutControls(const QString& text) {
  QString out = text;
  out.removeIf([](QChar c) { return c.unicode() < 0x20 || (c.unicode() >= 0x7F && c.unicode() <= 0x9F); });
  return out;
}

}  // namespace platform
