#pragma once
// The lines of a result list (lstRecords) as the user sees them, and choosing one,
// through the view's model: tests do not depend on the list's widget class.
#include <QAbstractItemModel>
#include <QAbstractItemView>
#include <QItemSelectionModel>
#include <QRect>
#include <QStringList>

inline QStringList listLines(const QAbstractItemView* list) {
  QStringList out;
  const QAbstractItemModel* m = list->model();
  for (int i = 0; m && i < m->rowCount(); ++i) out << m->index(i, 0).data().toString();
  return out;
}

inline int listCount(const QAbstractItemView* list) { return list->model() ? list->model()->rowCount() : 0; }

// Makes `row` the current, selected line, as a click would.
inline void selectLine(QAbstractItemView* list, int row) {
  const QModelIndex index = list->model()->index(row, 0);
  list->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
}

// Where line `row` stands in the list's viewport (for clicks and its width).
inline QRect lineRect(const QAbstractItemView* list, int row) { return list->visualRect(list->model()->index(row, 0)); }
