#pragma once
// Reading and writing the text a control shows, whatever its kind: the one place that
// knows which Qt widget keeps its text where. The record card, the card prints and the
// pickers' writers all go through it.
#include <QString>

class QObject;

namespace platform {

// The text as it stands: an edit's, a combo's current (or edit) text, a memo's plain
// text, a label's, a check box's caption; any other object's "text" property. Empty
// for null.
QString shownText(const QObject* control);
// The same, trimmed (what the cards test and store).
QString controlText(const QObject* control);

// Whether setShownText can fill the control: an edit, a combo, a label or a memo.
bool holdsText(const QObject* control);
// Sets the text of such a control: an editable combo takes any text, a fixed list
// selects the item of exactly that text (none when it has no such item). False, and
// nothing done, for any other control or null.
bool setShownText(QObject* control, const QString& text);

}  // namespace platform
