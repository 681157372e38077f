#include "shell/misc.h"

#include <QEvent>
#include <QFont>
#include <QLabel>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include "platform/shell.h"

void TMisc::Open(const QString& target) { platform::shellOpen(target); }

namespace shell {

QString supportAddress() { return QStringLiteral("assistenza@velmora.it"); }
QString productWebAddress() { return QStringLiteral("https://www.velmora.it"); }

namespace {

void setTextColour(QLabel* label, const char* colour) {
  label->setStyleSheet(QStringLiteral("color: %1;").arg(QLatin1String(colour)));
}

}  // namespace

QLabel* makeLinkText(QWidget* parent, const QString& objectName, const QString& text) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(objectName);
  QFont font(QStringLiteral("Tahoma"), 10);
  font.setUnderline(true);
  label->setFont(font);
  label->setCursor(Qt::PointingHandCursor);
  label->setFocusPolicy(Qt::NoFocus);
  setTextColour(label, kLinkColour);
  return label;
}

QLabel* makeLinkPicture(QWidget* parent, const QString& objectName, const QPixmap& pixmap) {
  auto* label = new QLabel(parent);
  label->setObjectName(objectName);
  label->setPixmap(pixmap);
  label->setFixedSize(pixmap.size());
  label->setCursor(Qt::PointingHandCursor);
  label->setFocusPolicy(Qt::NoFocus);
  return label;
}

void placeLink(QLabel* text, QLabel* picture, QPoint at, std::function<void()> action) {
  picture->move(at);
  text->adjustSize();
  text->move(at.x() + picture->width() + 8, at.y() + (picture->height() - text->height()) / 2);
  new LinkPair(text, picture, std::move(action));
}

LinkPair::LinkPair(QLabel* text, QLabel* picture, std::function<void()> action)
    : QObject(text), text_(text), picture_(picture), action_(std::move(action)) {
  text_->installEventFilter(this);
  if (picture_) picture_->installEventFilter(this);
}

void LinkPair::setPressed(bool pressed) {
  setTextColour(text_, pressed ? kLinkPressedColour : kLinkColour);
}

bool LinkPair::eventFilter(QObject* watched, QEvent* event) {
  if (watched != text_ && watched != picture_) return false;
  if (event->type() == QEvent::MouseButtonPress) {
    auto* me = static_cast<QMouseEvent*>(event);
    if (me->button() == Qt::LeftButton) {
      setPressed(true);
      return true;
    }
  } else if (event->type() == QEvent::MouseButtonRelease) {
    auto* me = static_cast<QMouseEvent*>(event);
    if (me->button() == Qt::LeftButton) {
      setPressed(false);
      auto* w = static_cast<QWidget*>(watched);
      if (w->rect().contains(me->position().toPoint()) && action_) action_();
      return true;
    }
  }
  return false;
}

QPixmap blankPicture(int width, int height) {
  QPixmap pm(width, height);
  pm.fill(Qt::transparent);
  return pm;
}

QPixmap drawnPicture(const QSize& size, const QSizeF& design, const std::function<void(QPainter&)>& paint) {
  QPixmap pm = blankPicture(size.width(), size.height());
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(size.width() / design.width(), size.height() / design.height());
  paint(p);
  return pm;
}

QPixmap pdfPicture(int size) {
  QPixmap pm = blankPicture(size, size);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  const qreal w = size * 0.72, h = size * 0.92;
  const qreal x = (size - w) / 2, y = (size - h) / 2, fold = w * 0.3;
  QPainterPath page;
  page.moveTo(x, y);
  page.lineTo(x + w - fold, y);
  page.lineTo(x + w, y + fold);
  page.lineTo(x + w, y + h);
  page.lineTo(x, y + h);
  page.closeSubpath();
  p.setPen(QPen(QColor(0x60, 0x60, 0x60), 1));
  p.setBrush(Qt::white);
  p.drawPath(page);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0xC0, 0x10, 0x10));
  QRectF band(x - size * 0.08, y + h * 0.45, w + size * 0.16, h * 0.32);
  p.drawRect(band);
  QFont f(QStringLiteral("Arial"));
  f.setBold(true);
  f.setPixelSize(qMax(6, int(band.height() * 0.8)));
  p.setFont(f);
  p.setPen(Qt::white);
  p.drawText(band, Qt::AlignCenter, QStringLiteral("PDF"));
  return pm;
}

QPixmap mailPicture(int size) {
  QPixmap pm = blankPicture(size, size);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  QRectF env(size * 0.06, size * 0.2, size * 0.88, size * 0.6);
  p.setPen(QPen(QColor(0x00, 0x00, 0x8B), 1.5));
  p.setBrush(QColor(0xFF, 0xF8, 0xDC));
  p.drawRect(env);
  QPainterPath flap;
  flap.moveTo(env.topLeft());
  flap.lineTo(env.center().x(), env.top() + env.height() * 0.6);
  flap.lineTo(env.topRight());
  p.setBrush(Qt::NoBrush);
  p.drawPath(flap);
  return pm;
}

QPixmap webPicture(int size) {
  QPixmap pm = blankPicture(size, size);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  QRectF globe(size * 0.08, size * 0.08, size * 0.84, size * 0.84);
  QRadialGradient g(globe.center() - QPointF(size * 0.15, size * 0.15), size * 0.6);
  g.setColorAt(0, QColor(0x87, 0xCE, 0xFA));
  g.setColorAt(1, QColor(0x1E, 0x5A, 0xA8));
  p.setBrush(g);
  p.setPen(QPen(QColor(0x00, 0x00, 0x8B), 1));
  p.drawEllipse(globe);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(255, 255, 255, 180), 1));
  p.drawEllipse(globe.adjusted(globe.width() * 0.3, 0, -globe.width() * 0.3, 0));
  p.drawLine(QPointF(globe.center().x(), globe.top()), QPointF(globe.center().x(), globe.bottom()));
  p.drawLine(QPointF(globe.left(), globe.center().y()), QPointF(globe.right(), globe.center().y()));
  return pm;
}

QPixmap logoPicture(int width, int height) { return logoPictureColoured(width, height, QColor(0x00, 0x00, 0x8B)); }

QPixmap logoPictureColoured(int width, int height, const QColor& textColour) {
  QPixmap pm = blankPicture(width, height);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  // A stylised road curve under the product name.
  QPainterPath road;
  road.moveTo(width * 0.05, height * 0.95);
  road.cubicTo(width * 0.35, height * 0.55, width * 0.65, height * 1.0, width * 0.95, height * 0.6);
  p.setPen(QPen(QColor(0xDC, 0x14, 0x3C), height * 0.06, Qt::SolidLine, Qt::RoundCap));
  p.drawPath(road);
  QFont f(QStringLiteral("Arial"));
  f.setBold(true);
  f.setItalic(true);
  f.setPixelSize(int(height * 0.42));
  p.setFont(f);
  p.setPen(textColour);
  p.drawText(QRectF(0, 0, width, height * 0.65), Qt::AlignCenter, QStringLiteral("Velmora 4.0"));
  return pm;
}

}  // namespace shell
