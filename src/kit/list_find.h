#pragma once
// List find ("Trova") over a result list, and the selection helpers of the lists.
#include <QString>

class QAbstractItemView;
class QWidget;

namespace kit {

class ResultList;

// The last find text of a window class (its objectName), kept outside any window
// instance for the whole run; empty at start.
QString lastFindText(const QString& windowClass);
void setLastFindText(const QString& windowClass, const QString& text);

// The selected line of a list (-1 when none) and selecting one (-1 clears).
int selectedRow(const QAbstractItemView* list);
void selectRow(QAbstractItemView* list, int row);

// "Trova": on an empty list the plain message "Ricerca non applicabile: la lista non
// contiene nessuna voce."; otherwise selects the first line when none is, then the
// next line holding `typed` (see core::listFindNext) and stores the text as the
// window class's last find text. Nothing found: nothing changes, nothing is said.
// Any failure is swallowed.
void listFind(ResultList* list, const QString& typed, const QString& windowClass, QWidget* parent);

}  // namespace kit
