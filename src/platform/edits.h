#pragma once
// The edit of the record cards: a line edit whose user input passes through one
// filter and one length limit, whatever way it arrives (a typed key, a paste by
// keyboard, menu or middle click, a drop, an input method's text), while text set by
// code (a loaded record, a picker, the calendar) is taken whole and never cut.
#include <QClipboard>
#include <QLineEdit>
#include <QString>
#include <functional>

class QFocusEvent;

namespace platform {

class FilteredEdit : public QLineEdit {
  Q_OBJECT
 public:
  FilteredEdit(QWidget* parent, const QString& objectName);

  // Given a piece of text the user is putting in, returns what may enter (null: all).
  void setInputFilter(std::function<QString(const QString&)> filter) { filter_ = std::move(filter); }
  // The most characters user input may bring the text to (0: no limit). Unlike
  // QLineEdit::setMaxLength, it never cuts text set by code.
  void setInputLimit(int limit) { limit_ = limit; }
  int inputLimit() const { return limit_; }

  // What of `incoming` user input may insert now: filtered, then cut to the room the
  // limit leaves (the selection counts as room, since the input replaces it).
  QString admitted(const QString& incoming) const;
  // Pastes the clipboard (or the mouse selection) as user input: admitted first. The
  // read-only edit takes nothing.
  void pasteAdmitted(QClipboard::Mode mode = QClipboard::Clipboard);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  // `incoming` filtered and cut to the room left beside the `kept` characters.
  QString admit(const QString& incoming, qsizetype kept) const;

  std::function<QString(const QString&)> filter_;
  int limit_ = 0;
};

// `text` without its control characters (U+0000 to U+001F, U+007F to U+009F): the
// input filter of an edit that takes any other text.
QString withoutControls(const QString& text);

}  // namespace platform
