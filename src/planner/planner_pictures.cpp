#include "planner/planner_pictures.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>

namespace planner {

namespace {

QPixmap blank(int width, int height) {
  QPixmap pm(width, height);
  pm.fill(Qt::transparent);
  return pm;
}

const QColor kRed(0xD3, 0x2F, 0x2F);
const QColor kNavy(0x1F, 0x3A, 0x5F);

// A calendar sheet in `r`: white page, red binding, a grid of days.
void drawSheet(QPainter& p, const QRectF& r, bool circled) {
  p.setPen(QPen(QColor(0x60, 0x60, 0x60), 1.5));
  p.setBrush(Qt::white);
  p.drawRoundedRect(r, 4, 4);
  const QRectF binding(r.left(), r.top(), r.width(), r.height() * 0.22);
  p.setPen(Qt::NoPen);
  p.setBrush(kRed);
  p.drawRoundedRect(binding, 4, 4);
  p.setPen(QPen(QColor(0xB0, 0xB0, 0xB0), 1));
  const int columns = 5, rows = 4;
  const qreal gx = r.left() + r.width() * 0.1, gy = binding.bottom() + r.height() * 0.08;
  const qreal cw = r.width() * 0.8 / columns, ch = (r.bottom() - gy - r.height() * 0.08) / rows;
  for (int i = 0; i <= columns; ++i) p.drawLine(QPointF(gx + i * cw, gy), QPointF(gx + i * cw, gy + rows * ch));
  for (int j = 0; j <= rows; ++j) p.drawLine(QPointF(gx, gy + j * ch), QPointF(gx + columns * cw, gy + j * ch));
  if (circled) {
    p.setPen(QPen(kRed, 2.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(gx + 2 * cw - cw * 0.35, gy + 1 * ch - ch * 0.35, cw * 1.7, ch * 1.7));
  }
}

}  // namespace

QPixmap calendarSheetPicture(int width, int height, bool circled) {
  QPixmap pm = blank(width, height);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  drawSheet(p, QRectF(3, 3, width - 6, height - 6), circled);
  return pm;
}

QPixmap eraserPicture(int size) {
  QPixmap pm = blank(size, size);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.translate(size / 2.0, size / 2.0);
  p.rotate(-40);
  const qreal w = size * 0.8, h = size * 0.42;
  p.setPen(QPen(QColor(0x50, 0x50, 0x50), 1));
  p.setBrush(QColor(0xF4, 0x8F, 0xB1));
  p.drawRoundedRect(QRectF(-w / 2, -h / 2, w * 0.55, h), 2, 2);
  p.setBrush(QColor(0x64, 0x95, 0xED));
  p.drawRoundedRect(QRectF(-w / 2 + w * 0.55, -h / 2, w * 0.45, h), 2, 2);
  return pm;
}

QPixmap copyPicture(int size) {
  QPixmap pm = blank(size, size);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(kNavy, 1.2));
  const qreal w = size * 0.55, h = size * 0.68;
  p.setBrush(QColor(0xDD, 0xE6, 0xF2));
  p.drawRect(QRectF(size * 0.1, size * 0.08, w, h));
  p.setBrush(Qt::white);
  p.drawRect(QRectF(size * 0.35, size * 0.26, w, h));
  return pm;
}

QPixmap boardTitlePicture(int width, int height) {
  QPixmap pm = blank(width, height);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  drawSheet(p, QRectF(1, 2, height - 4, height - 4), true);
  QFont f(QStringLiteral("Verdana"));
  f.setBold(true);
  f.setPixelSize(height * 2 / 5);
  p.setFont(f);
  p.setPen(kNavy);
  p.drawText(QRectF(height + 2, 0, width - height - 2, height), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap,
             QStringLiteral("Planner\nPrenotazioni"));
  return pm;
}

QPixmap yearGroundPicture(int width, int height) {
  QPixmap pm = blank(width, height);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(kNavy);
  p.drawRoundedRect(QRectF(0, 0, width, height), 8, 8);
  drawSheet(p, QRectF(12, 8, height - 16, height - 16), false);
  return pm;
}

}  // namespace planner
