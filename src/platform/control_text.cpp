#include "platform/control_text.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QVariant>

#include "platform/qtext.h"

namespace platform {

QString shownText(const QObject* control) {
  if (!control) return QString();
  if (auto* e = qobject_cast<const QLineEdit*>(control)) return e->text();
  if (auto* c = qobject_cast<const QComboBox*>(control)) return c->currentText();
  if (auto* m = qobject_cast<const QPlainTextEdit*>(control)) return m->toPlainText();
  if (auto* t = qobject_cast<const QTextEdit*>(control)) return t->toPlainText();
  if (auto* l = qobject_cast<const QLabel*>(control)) return l->text();
  if (auto* b = qobject_cast<const QAbstractButton*>(control)) return b->text();
  return control->property("text").toString();
}

QString controlText(const QObject* control) { return trim(shownText(control)); }

bool holdsText(const QObject* control) {
  return qobject_cast<const QLineEdit*>(control) || qobject_cast<const QComboBox*>(control) ||
         qobject_cast<const QLabel*>(control) || qobject_cast<const QPlainTextEdit*>(control) ||
         qobject_cast<const QTextEdit*>(control);
}

bool setShownText(QObject* control, const QString& text) {
  if (auto* e = qobject_cast<QLineEdit*>(control)) {
    e->setText(text);
  } else if (auto* c = qobject_cast<QComboBox*>(control)) {
    if (c->isEditable()) c->setEditText(text);
    else c->setCurrentIndex(c->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
  } else if (auto* l = qobject_cast<QLabel*>(control)) {
    l->setText(text);
  } else if (auto* m = qobject_cast<QPlainTextEdit*>(control)) {
    m->setPlainText(text);
  } else if (auto* t = qobject_cast<QTextEdit*>(control)) {
    t->setPlainText(text);
  } else {
    return false;
  }
  return true;
}

}  // namespace platform
