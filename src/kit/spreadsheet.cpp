#include "kit/spreadsheet.h"

#include <QAbstractTableModel>
#include <QEvent>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QTableView>

#include "core/archive.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/shell.h"
#include "platform/widgets.h"

namespace kit {

// The grid's texts as a table model: no item objects, so a whole archive shows at once.
class ExportGridModel : public QAbstractTableModel {
 public:
  ExportGridModel(core::TextGrid& grid, QStringList headings, QStringList names, std::vector<bool> editable,
                  QObject* parent)
      : QAbstractTableModel(parent),
        grid_(grid),
        headings_(std::move(headings)),
        names_(std::move(names)),
        editable_(std::move(editable)) {}

  void beginReset() { beginResetModel(); }
  void endReset() { endResetModel(); }

  int rowCount(const QModelIndex& parent = {}) const override {
    return parent.isValid() ? 0 : static_cast<int>(grid_.rowCount());
  }
  int columnCount(const QModelIndex& parent = {}) const override {
    return parent.isValid() ? 0 : static_cast<int>(grid_.columnCount());
  }

  QVariant data(const QModelIndex& index, int role) const override {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole)) return {};
    return QString::fromStdU16String(
        grid_.cell(static_cast<std::size_t>(index.row()), static_cast<std::size_t>(index.column())));
  }

  bool setData(const QModelIndex& index, const QVariant& value, int role) override {
    if (!index.isValid() || role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable)) return false;
    grid_.setCell(static_cast<std::size_t>(index.row()), static_cast<std::size_t>(index.column()),
                  value.toString().toStdU16String());
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    return true;
  }

  Qt::ItemFlags flags(const QModelIndex& index) const override {
    if (!index.isValid()) return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    const auto c = static_cast<std::size_t>(index.column());
    if (c < editable_.size() && editable_[c]) f |= Qt::ItemIsEditable;
    return f;
  }

  QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
    if (orientation != Qt::Horizontal || section < 0 || section >= headings_.size()) return {};
    if (role == Qt::DisplayRole) return headings_[section];
    if (role == Qt::UserRole) return names_[section];  // the column's name, for tests and tools
    return {};
  }

 private:
  core::TextGrid& grid_;
  QStringList headings_;
  QStringList names_;
  std::vector<bool> editable_;
};

namespace {

std::u16string toU16(const QString& s) { return s.toStdU16String(); }

}  // namespace

SpreadsheetWindow::SpreadsheetWindow(QWidget* owner, ExportSettings settings)
    : platform::Form(owner, settings.windowClass, platform::WindowKind::CentredOnScreen, settings.caption, 862, 560),
      settings_(std::move(settings)),
      grid_(settings_.columns.size() + 1, kDesignRows) {
  sheetName_ = toU16(settings_.sheetName);
  headings_.reserve(settings_.columns.size());
  for (const ExportColumn& c : settings_.columns) {
    headings_.push_back(toU16(c.heading));
    core::GridSource source;
    if (!c.field.empty() && settings_.archive.layout) source.field = settings_.archive.layout->indexOf(c.field);
    source.compose = c.compose;
    sources_.push_back(std::move(source));
  }
  // Views into headings_, which no longer grows.
  for (std::size_t i = 0; i < settings_.columns.size(); ++i) {
    sheetColumns_.push_back({headings_[i], settings_.columns[i].fileWidth});
  }
  buildControls();
}

SpreadsheetWindow::~SpreadsheetWindow() = default;

void SpreadsheetWindow::buildControls() {
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, QColor(0xD3, 0xD3, 0xD3));  // light grey
  setPalette(pal);

  // The two background shapes: one behind the grid, one behind the commands.
  const QString shapeStyle = QStringLiteral(
      "QFrame { background-color: #F5F5F5; border: 1px solid #A9A9A9; border-radius: 6px; }");
  shpGriglia_ = new QFrame(this);
  shpGriglia_->setObjectName(QStringLiteral("shpGriglia"));
  shpGriglia_->setStyleSheet(shapeStyle);
  shpGriglia_->setGeometry(6, 6, 850, 436);
  shpComandi_ = new QFrame(this);
  shpComandi_->setObjectName(QStringLiteral("shpComandi"));
  shpComandi_->setStyleSheet(shapeStyle);
  shpComandi_->setGeometry(6, 448, 850, 76);

  QStringList headings{QStringLiteral("N.")};
  QStringList names{settings_.numberName};
  std::vector<bool> editable{false};
  for (const ExportColumn& c : settings_.columns) {
    headings << (c.gridHeading.isEmpty() ? c.heading : c.gridHeading);
    names << c.name;
    editable.push_back(c.editable);
  }
  model_ = new ExportGridModel(grid_, headings, names, std::move(editable), this);

  grdRecords = new QTableView(this);
  grdRecords->setObjectName(QStringLiteral("grdRecords"));
  grdRecords->setModel(model_);
  grdRecords->setGeometry(12, 12, 838, 424);
  grdRecords->setAlternatingRowColors(true);
  grdRecords->setStyleSheet(QStringLiteral(
      "QTableView { background-color: white; alternate-background-color: #EEF3FA; gridline-color: #C8C8C8;"
      " selection-background-color: #3399FF; selection-color: white; }"
      "QHeaderView::section { background-color: #E4E4E4; border: 0px; border-right: 1px solid #C0C0C0;"
      " border-bottom: 1px solid #C0C0C0; padding: 2px 4px; }"));
  grdRecords->setSelectionMode(QAbstractItemView::SingleSelection);
  grdRecords->setSelectionBehavior(QAbstractItemView::SelectItems);
  grdRecords->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                              QAbstractItemView::AnyKeyPressed);
  grdRecords->setWordWrap(false);
  grdRecords->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
  QHeaderView* rows = grdRecords->verticalHeader();
  rows->hide();
  rows->setMinimumSectionSize(kRowHeight);
  rows->setDefaultSectionSize(kRowHeight);
  rows->setSectionResizeMode(QHeaderView::Fixed);
  QHeaderView* cols = grdRecords->horizontalHeader();
  cols->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  cols->setHighlightSections(false);
  cols->setFixedHeight(kRowHeight + 4);
  grdRecords->setColumnWidth(0, settings_.numberWidth);
  for (std::size_t i = 0; i < settings_.columns.size(); ++i) {
    grdRecords->setColumnWidth(static_cast<int>(i) + 1, settings_.columns[i].screenWidth);
  }

  imgLogo = new QLabel(this);
  imgLogo->setObjectName(QStringLiteral("imgLogo"));
  imgLogo->setGeometry(14, 452, 260, 68);
  imgLogo->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  imgLogo->setAttribute(Qt::WA_TranslucentBackground);
  imgLogo->setStyleSheet(QStringLiteral("background: transparent; border: none;"));
  if (settings_.logo) imgLogo->setPixmap(settings_.logo(260, 68));

  icoHand = new QLabel(this);
  icoHand->setObjectName(QStringLiteral("icoHand"));
  icoHand->setGeometry(556, 464, 48, 44);
  icoHand->setPixmap(handPicture(44));
  icoHand->setStyleSheet(QStringLiteral("background: transparent; border: none;"));

  // The window's banner, between the logo and the hand pointing at the export picture.
  auto* banner = new QLabel(exportmsg::kBanner, this);
  banner->setObjectName(QStringLiteral("imgTitolo"));
  banner->setGeometry(284, 454, 266, 64);
  banner->setAlignment(Qt::AlignCenter);
  banner->setWordWrap(true);
  banner->setFont(QFont(QStringLiteral("Verdana"), 15, QFont::Bold));
  banner->setStyleSheet(QStringLiteral("background: transparent; border: none; color: #1D6F42;"));

  cmdEsporta = new platform::PictureButton(this, QStringLiteral("cmdEsporta"));
  cmdEsporta->setPixmap(spreadsheetPicture(64));
  cmdEsporta->setGeometry(616, 454, 64, 64);
  cmdGuida = new platform::PictureButton(this, QStringLiteral("cmdGuida"));
  cmdGuida->setPixmap(helpPicture(64));
  cmdGuida->setGeometry(698, 454, 64, 64);
  cmdEsci = new platform::PictureButton(this, QStringLiteral("cmdEsci"));
  cmdEsci->setPixmap(exitPicture(64));
  cmdEsci->setGeometry(780, 454, 64, 64);
  connect(cmdEsporta, &platform::PictureButton::clicked, this, &SpreadsheetWindow::cmdEsportaClick);
  connect(cmdGuida, &platform::PictureButton::clicked, this, &SpreadsheetWindow::cmdGuidaClick);
  connect(cmdEsci, &platform::PictureButton::clicked, this, &SpreadsheetWindow::cmdEsciClick);

  panInfo = new QLabel(exportmsg::kPanInfo, this);
  panInfo->setObjectName(QStringLiteral("panInfo"));
  panInfo->setGeometry(0, 530, 862, 30);
  panInfo->setFont(QFont(QStringLiteral("Tahoma"), 12));
  panInfo->setStyleSheet(QStringLiteral("background-color: #6A5ACD; color: white; padding-left: 8px;"));
  setPanInfo(panInfo);

  setHint(cmdEsporta, exportmsg::kHintEsporta);
  setHint(cmdGuida, exportmsg::kHintGuida);
  setHint(cmdEsci, exportmsg::kHintEsci);
  for (QWidget* w : {static_cast<QWidget*>(this), static_cast<QWidget*>(panInfo), static_cast<QWidget*>(shpGriglia_),
                     static_cast<QWidget*>(shpComandi_), static_cast<QWidget*>(grdRecords),
                     grdRecords->viewport()}) {
    clearsHint(w);
  }
}

int SpreadsheetWindow::rowCount() const { return static_cast<int>(grid_.rowCount()); }

QString SpreadsheetWindow::cell(int row, int column) const {
  if (row < 0 || column < 0) return {};
  return QString::fromStdU16String(grid_.cell(static_cast<std::size_t>(row), static_cast<std::size_t>(column)));
}

void SpreadsheetWindow::gridChanged() {
  model_->beginReset();
  model_->endReset();
}

QString SpreadsheetWindow::exportPath() const { return platform::exePath(settings_.fileName); }

void SpreadsheetWindow::FormShow() { fillGrid(); }

bool SpreadsheetWindow::fillFromArchive(const std::function<void(core::TextGrid&)>& arrange) {
  if (!settings_.archive.layout) return false;
  model_->beginReset();
  bool filled = true;
  archiveUnread_ = false;
  try {
    core::Archive archive = openArchive(settings_.archive);
    core::fillGrid(grid_, archive, *settings_.archive.layout, sources_, settings_.take,
                   settings_.sortBy > 0 ? settings_.sortBy : core::kUnsorted);
    if (arrange) arrange(grid_);
  } catch (const core::ArchiveError&) {
    // Filling is silent: the rows filled so far stay; the archive is already closed.
    filled = false;
    archiveUnread_ = true;
  }
  model_->endReset();
  return filled;
}

void SpreadsheetWindow::fillGrid() { fillFromArchive(); }

void SpreadsheetWindow::commitEdit() {
  const QModelIndex current = grdRecords->currentIndex();
  if (!current.isValid()) return;
  // The picture buttons never take the focus, so an edit in progress is still open:
  // the export writes what it shows.
  if (QWidget* editor = grdRecords->indexWidget(current)) {
    QMetaObject::invokeMethod(grdRecords, "commitData", Qt::DirectConnection, Q_ARG(QWidget*, editor));
  }
}

void SpreadsheetWindow::cmdEsportaClick() {
  commitEdit();
  if (!platform::question(exportmsg::kAsk, this)) return;
  const QString path = exportPath();
  // A grid the archive could not fill is not the archive: it never replaces an
  // earlier export. Else an earlier export stays whole when the write fails.
  if (archiveUnread_ || !writeSpreadsheet(path, core::Sheet{sheetName_, sheetColumns_}, grid_)) {
    platform::plainMessage(exportmsg::kFailed, this);
    return;
  }
  if (platform::question(exportmsg::kDone, this)) platform::shellOpen(QLatin1Char('"') + path + QLatin1Char('"'));
}

bool writeSpreadsheet(const QString& path, const core::Sheet& sheet, const core::TextGrid& grid, QString* error) {
  return platform::writeWholeFile(
      path, [&](const platform::PieceWriter& write) { return core::emitSpreadsheet(sheet, grid, write); }, error);
}

void SpreadsheetWindow::cmdGuidaClick() {
  if (settings_.help) settings_.help(this, settings_.helpTitle, settings_.helpParagraphs);
}

void SpreadsheetWindow::cmdEsciClick() { closeForm(); }

// ---- Pictures ---------------------------------------------------------------------

namespace {

// A square picture of `size` pixels, transparent, drawn by `draw` on a 64 x 64 design.
template <typename Draw>
QPixmap picture(int size, Draw draw) {
  QPixmap pm(size, size);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(size / 64.0, size / 64.0);
  draw(p);
  return pm;
}

}  // namespace

QPixmap spreadsheetPicture(int size) {
  return picture(size, [](QPainter& p) {
    // The sheet: a white page with a grid, folded corner.
    QPainterPath page;
    page.moveTo(20, 6);
    page.lineTo(48, 6);
    page.lineTo(58, 16);
    page.lineTo(58, 58);
    page.lineTo(20, 58);
    page.closeSubpath();
    p.setPen(QPen(QColor(0x1D, 0x6F, 0x42), 2));
    p.setBrush(Qt::white);
    p.drawPath(page);
    p.setPen(QPen(QColor(0x8F, 0xC1, 0xA3), 1.2));
    for (int y = 22; y <= 52; y += 8) p.drawLine(QPointF(30, y), QPointF(54, y));
    for (int x = 38; x <= 54; x += 8) p.drawLine(QPointF(x, 18), QPointF(x, 54));
    // The green tile with the X in front.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1D, 0x6F, 0x42));
    p.drawRoundedRect(QRectF(4, 18, 32, 32), 4, 4);
    p.setPen(QPen(Qt::white, 4.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(13, 27), QPointF(27, 41));
    p.drawLine(QPointF(27, 27), QPointF(13, 41));
  });
}

QPixmap helpPicture(int size) {
  return picture(size, [](QPainter& p) {
    QRadialGradient fill(QPointF(26, 22), 34);
    fill.setColorAt(0, QColor(0x6C, 0xA6, 0xF0));
    fill.setColorAt(1, QColor(0x1E, 0x56, 0xB0));
    p.setPen(QPen(QColor(0x15, 0x3E, 0x80), 2));
    p.setBrush(fill);
    p.drawEllipse(QPointF(32, 32), 27, 27);
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(38);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRectF(0, 0, 64, 64), Qt::AlignCenter, QStringLiteral("?"));
  });
}

QPixmap exitPicture(int size) {
  return picture(size, [](QPainter& p) {
    // A door ajar...
    p.setPen(QPen(QColor(0x5A, 0x3A, 0x1E), 2));
    p.setBrush(QColor(0xEE, 0xE8, 0xDC));
    p.drawRect(QRectF(10, 6, 30, 52));
    QPolygonF door{QPointF(10, 6), QPointF(30, 12), QPointF(30, 62), QPointF(10, 58)};
    p.setBrush(QColor(0xA0, 0x6A, 0x3A));
    p.drawPolygon(door);
    p.setBrush(QColor(0xF0, 0xD0, 0x60));
    p.drawEllipse(QPointF(25, 36), 2, 2);
    // ...and the way out.
    p.setPen(QPen(QColor(0xC6, 0x28, 0x28), 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(36, 32), QPointF(56, 32));
    p.drawLine(QPointF(48, 23), QPointF(57, 32));
    p.drawLine(QPointF(48, 41), QPointF(57, 32));
  });
}

QPixmap handPicture(int size) {
  return picture(size, [](QPainter& p) {
    // A hand pointing right, at the commands.
    QPainterPath hand;
    hand.addRoundedRect(QRectF(6, 24, 28, 26), 7, 7);          // palm and curled fingers
    hand.addRoundedRect(QRectF(26, 24, 32, 9), 4.5, 4.5);      // index finger
    hand.addRoundedRect(QRectF(14, 16, 16, 10), 5, 5);          // thumb
    hand.setFillRule(Qt::WindingFill);
    p.setPen(QPen(QColor(0x8A, 0x5A, 0x2E), 2));
    p.setBrush(QColor(0xFF, 0xD8, 0xA8));
    p.drawPath(hand.simplified());
    p.setPen(QPen(QColor(0x8A, 0x5A, 0x2E), 1.5));
    p.drawLine(QPointF(30, 36), QPointF(44, 36));
    p.drawLine(QPointF(30, 42), QPointF(42, 42));
    p.setBrush(QColor(0x36, 0x5F, 0xA8));
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(0, 26, 6, 22));  // cuff
  });
}

}  // namespace kit
