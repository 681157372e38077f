#include "kit/result_list.h"

#include <QFont>
#include <QPalette>
#include <QStyledItemDelegate>
#include <utility>

namespace kit {

namespace {

// Every row is as wide as the list's item width and one text line high. With uniform
// sizes the view asks this once, for one sample row.
class ItemWidthDelegate : public QStyledItemDelegate {
 public:
  ItemWidthDelegate(QObject* parent, int width) : QStyledItemDelegate(parent), width_(width) {}
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    return QSize(width_, QStyledItemDelegate::sizeHint(option, index).height());
  }

 private:
  int width_;
};

QString toQString(core::TextView line) {
  return QString(reinterpret_cast<const QChar*>(line.data()), static_cast<qsizetype>(line.size()));
}

}  // namespace

// ---- The model -----------------------------------------------------------------------

ResultListModel::ResultListModel(QObject* parent) : QAbstractListModel(parent) {}

void ResultListModel::setLines(core::LineList lines) {
  beginResetModel();
  lines_ = std::move(lines);
  lines_.sort();
  endResetModel();
}

void ResultListModel::clear() {
  beginResetModel();
  lines_.clear();
  endResetModel();
}

core::TextView ResultListModel::line(int row) const {
  line_ = lines_[static_cast<std::size_t>(row)];
  return line_;
}

int ResultListModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : count(); }

QVariant ResultListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= count() || role != Qt::DisplayRole) return {};
  return toQString(line(index.row()));
}

Qt::ItemFlags ResultListModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemNeverHasChildren;
}

// ---- The view ------------------------------------------------------------------------

ResultList::ResultList(QWidget* parent, int itemWidth)
    : QListView(parent), model_(new ResultListModel(this)) {
  QFont f(QStringLiteral("Courier New"), 12);
  f.setStyleHint(QFont::TypeWriter);
  setFont(f);
  QPalette p = palette();
  p.setColor(QPalette::Text, Qt::black);
  setPalette(p);
  setUniformItemSizes(true);
  setItemDelegate(new ItemWidthDelegate(this, itemWidth));
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setModel(model_);
}

void ResultList::setLines(core::LineList lines) {
  model_->setLines(std::move(lines));
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

void ResultList::clear() { model_->clear(); }

}  // namespace kit
