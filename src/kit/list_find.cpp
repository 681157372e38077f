#include "kit/list_find.h"

#include <QHash>
#include <QAbstractItemView>
#include <QItemSelectionModel>

#include "core/list_find.h"
#include "kit/result_list.h"
#include "platform/dialogs.h"
#include "platform/qtext.h"

namespace kit {

namespace {
QHash<QString, QString>& lastTexts() {
  static QHash<QString, QString> texts;
  return texts;
}
}  // namespace

QString lastFindText(const QString& windowClass) { return lastTexts().value(windowClass); }

void setLastFindText(const QString& windowClass, const QString& text) { lastTexts()[windowClass] = text; }

int selectedRow(const QAbstractItemView* list) {
  const QItemSelectionModel* selection = list->selectionModel();
  const QModelIndexList rows = selection ? selection->selectedIndexes() : QModelIndexList();
  return rows.isEmpty() ? -1 : rows.first().row();
}

void selectRow(QAbstractItemView* list, int row) {
  const QAbstractItemModel* model = list->model();
  if (!model || row < 0 || row >= model->rowCount()) {
    list->clearSelection();
    return;
  }
  const QModelIndex index = model->index(row, 0);
  list->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
  list->scrollTo(index);
}

void listFind(ResultList* list, const QString& typed, const QString& windowClass, QWidget* parent) {
  if (list->count() == 0) {
    platform::plainMessage(QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce."), parent);
    return;
  }
  int selected = selectedRow(list);
  if (selected < 0) {
    selected = 0;
    selectRow(list, 0);
  }
  core::Text last = platform::toCore(lastFindText(windowClass));
  const int found = core::listFindNext(
      list->count(), [list](int i) { return list->line(i); }, selected, platform::toCore(typed), last);
  if (found >= 0) selectRow(list, found);
  setLastFindText(windowClass, platform::fromCore(last));
}

}  // namespace kit
