#include "kit/list_find.h"

#include <QHash>
#include <QListWidget>

#include "core/list_find.h"
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

int selectedRow(const QListWidget* list) {
  const auto items = list->selectedItems();
  return items.isEmpty() ? -1 : list->row(items.first());
}

void selectRow(QListWidget* list, int row) {
  if (row < 0 || row >= list->count()) {
    list->clearSelection();
    return;
  }
  list->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
  list->scrollToItem(list->item(row));
}

void listFind(QListWidget* list, const QString& typed, const QString& windowClass, QWidget* parent) {
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
      list->count(), [list](int i) { return platform::toCore(list->item(i)->text()); }, selected,
      platform::toCore(typed), last);
  if (found >= 0) selectRow(list, found);
  setLastFindText(windowClass, platform::fromCore(last));
}

}  // namespace kit
