#include "planner/day_calendar.h"

#include <QFont>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include "platform/qtext.h"

namespace planner {

namespace {

// The calendar stands at (16, 144) of the board's panel; the cells at (166, 152) there.
constexpr int kFirstCellX = 150;
constexpr int kFirstRowY = 8;
constexpr int kCellStep = 26;
constexpr int kRowStep = 40;
constexpr int kCellWidth = 24;
constexpr int kCellHeight = 33;
constexpr int kTitleX = 8;
constexpr int kTitleWidth = 136;

const QColor kGroundTop(0x42, 0x7A, 0xA8);
const QColor kFree(0xD9, 0xD2, 0xF0);
const QColor kBooked(0xFE, 0x05, 0x10);
const QColor kFreeNumber(0x2B, 0x2B, 0x5C);
const QColor kTitleFill(0x46, 0x82, 0xB4);
const QColor kTitleFrame(0xFF, 0x8C, 0x00);

QString latin(std::string_view s) { return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size())); }

}  // namespace

DayPicture::DayPicture(DayCalendar* calendar, const QString& name, int index, bool visible)
    : QObject(calendar), calendar_(calendar), index_(index), visible_(visible) {
  setObjectName(name);
}

void DayPicture::setVisible(bool visible) {
  if (visible_ == visible) return;
  visible_ = visible;
  calendar_->updateDay(index_);
}

DayText::DayText(QObject* parent, const QString& name) : QObject(parent) { setObjectName(name); }

DayCalendar::DayCalendar(QWidget* parent, QObject* texts) : QWidget(parent) {
  setObjectName(QStringLiteral("shpSezione01"));
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  for (const BoardDay& day : boardDays()) {
    const QString suffix = latin(day.suffix);
    const auto i = static_cast<std::size_t>(day.index);
    free_[i] = new DayPicture(this, QStringLiteral("lib") + suffix, day.index, true);
    booked_[i] = new DayPicture(this, QStringLiteral("occ") + suffix, day.index, false);
    texts_[i] = new DayText(texts, QStringLiteral("mem") + suffix);
  }
}

QRect DayCalendar::cellRect(const BoardDay& day) {
  return QRect(kFirstCellX + kCellStep * (day.day - 1), kFirstRowY + kRowStep * (day.month - 1), kCellWidth,
               kCellHeight);
}

QRect DayCalendar::titleRect(int month) {
  return QRect(kTitleX, kFirstRowY + kRowStep * (month - 1), kTitleWidth, kCellHeight);
}

const BoardDay* DayCalendar::dayAt(QPoint pos) const {
  const int x = pos.x() - kFirstCellX, y = pos.y() - kFirstRowY;
  if (x < 0 || y < 0) return nullptr;
  const int month = y / kRowStep + 1, d = x / kCellStep + 1;
  if (month > 12 || y % kRowStep >= kCellHeight || x % kCellStep >= kCellWidth) return nullptr;
  if (d > boardMonthLength(month)) return nullptr;
  int index = d - 1;
  for (int m = 1; m < month; ++m) index += boardMonthLength(m);
  const auto i = static_cast<std::size_t>(index);
  if (!free_[i]->isVisible() && !booked_[i]->isVisible()) return nullptr;  // nothing drawn there
  return &boardDays()[i];
}

void DayCalendar::updateDay(int index) { update(cellRect(boardDays()[static_cast<std::size_t>(index)])); }

const QPixmap& DayCalendar::cellPicture(int dayNumber, bool booked) {
  QPixmap& pm = pictures_[booked ? 1 : 0][static_cast<std::size_t>(dayNumber - 1)];
  if (pm.isNull()) {
    const qreal ratio = devicePixelRatioF();
    pm = QPixmap(QSize(kCellWidth, kCellHeight) * ratio);
    pm.setDevicePixelRatio(ratio);
    pm.fill(booked ? kBooked : kFree);
    QPainter p(&pm);
    p.setRenderHint(QPainter::TextAntialiasing);
    QFont f(QStringLiteral("Verdana"));
    f.setBold(true);
    f.setPixelSize(12);
    p.setFont(f);
    p.setPen(booked ? QColor(Qt::white) : kFreeNumber);
    p.drawText(QRect(0, 0, kCellWidth, kCellHeight), Qt::AlignCenter, QString::number(dayNumber));
  }
  return pm;
}

void DayCalendar::drawBackdrop() {
  const qreal ratio = devicePixelRatioF();
  backdrop_ = QPixmap(size() * ratio);
  backdrop_.setDevicePixelRatio(ratio);
  QPainter p(&backdrop_);
  QLinearGradient ground(0, 0, 0, height());
  ground.setColorAt(0, kGroundTop);
  ground.setColorAt(1, Qt::white);
  p.fillRect(rect(), ground);
  p.setPen(Qt::white);
  p.drawRect(rect().adjusted(0, 0, -1, -1));
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  QFont f(QStringLiteral("Verdana"));
  f.setBold(true);
  f.setPixelSize(14);
  p.setFont(f);
  for (int m = 1; m <= 12; ++m) {
    const QRectF r = QRectF(titleRect(m)).adjusted(1, 1, -1, -1);
    p.setPen(QPen(kTitleFrame, 2));
    p.setBrush(kTitleFill);
    p.drawRoundedRect(r, 4, 4);
    p.setPen(Qt::white);
    p.drawText(r.adjusted(8, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, platform::fromCore(monthTitle(m)));
  }
}

void DayCalendar::paintEvent(QPaintEvent* event) {
  if (backdrop_.isNull() || backdrop_.deviceIndependentSize() != QSizeF(size())) drawBackdrop();
  QPainter p(this);
  const QRect dirty = event->rect();
  p.drawPixmap(dirty, backdrop_, QRectF(QPointF(dirty.topLeft()) * backdrop_.devicePixelRatio(),
                                        QSizeF(dirty.size()) * backdrop_.devicePixelRatio()));
  for (const BoardDay& day : boardDays()) {
    const QRect cell = cellRect(day);
    if (!dirty.intersects(cell)) continue;
    const auto i = static_cast<std::size_t>(day.index);
    // The booked picture lies over the free one where both are shown.
    if (free_[i]->isVisible()) p.drawPixmap(cell.topLeft(), cellPicture(day.day, false));
    if (booked_[i]->isVisible()) p.drawPixmap(cell.topLeft(), cellPicture(day.day, true));
  }
}

void DayCalendar::mouseMoveEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  if (dayAt(pos)) {
    setCursor(Qt::PointingHandCursor);
    emit dayHovered();
  } else {
    unsetCursor();
    bool overTitle = false;
    for (int m = 1; m <= 12 && !overTitle; ++m) overTitle = titleRect(m).contains(pos);
    if (!overTitle) emit backgroundHovered();
  }
  event->accept();
}

void DayCalendar::mousePressEvent(QMouseEvent* event) {
  const BoardDay* day = event->button() == Qt::LeftButton ? dayAt(event->position().toPoint()) : nullptr;
  pressed_ = day ? day->index : -1;
  event->accept();
}

void DayCalendar::mouseReleaseEvent(QMouseEvent* event) {
  const int pressed = pressed_;
  pressed_ = -1;
  event->accept();
  if (event->button() != Qt::LeftButton || pressed < 0) return;
  const BoardDay* day = dayAt(event->position().toPoint());
  if (day && day->index == pressed) emit dayClicked(pressed);
}

}  // namespace planner
