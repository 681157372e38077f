#pragma once
// The result list of the search, list and summary windows (`lstRecords`): a list
// view over the lines one scan built, kept packed in one core::LineList (as the
// records' Windows-1252 bytes) and put once in their sorted order (A-Z folded, equal
// lines in file order). A row's text is made only when the view asks for it, painting
// the rows in sight: a list of 100,000 lines costs its lines' bytes and little more.
//
// Every row is one line of Courier New 12, opaque black, as wide as the list's item
// width; the model reports uniform sizes, so the view never measures the rows one
// by one.
#include <QAbstractListModel>
#include <QListView>
#include <cstddef>
#include <vector>

#include "core/search_filter.h"
#include "core/text.h"

namespace kit {

// The lines of a result list in list order.
class ResultListModel : public QAbstractListModel {
  Q_OBJECT
 public:
  explicit ResultListModel(QObject* parent = nullptr);

  // Takes the lines of a scan and sorts them, once.
  void setLines(core::LineList lines);
  // Empties the list and gives its memory back.
  void clear();

  int rowCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

  int count() const { return static_cast<int>(lines_.size()); }
  // The line at a row (0 <= row < count()), valid until the next call.
  core::TextView line(int row) const;

 private:
  core::LineList lines_;
  mutable core::Text line_;
};

class ResultList : public QListView {
  Q_OBJECT
 public:
  ResultList(QWidget* parent, int itemWidth);

  // The list becomes these lines in their sorted order, with its item width and
  // both scroll bars shown.
  void setLines(core::LineList lines);
  void clear();

  int count() const { return model_->count(); }
  // The line at a row (0 <= row < count()), valid until the next call.
  core::TextView line(int row) const { return model_->line(row); }

 private:
  ResultListModel* model_;
};

}  // namespace kit
