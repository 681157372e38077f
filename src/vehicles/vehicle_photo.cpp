#include "vehicles/vehicle_photo.h"

#include <QBuffer>
#include <QDir>
#include <QImageReader>
#include <QImageWriter>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include "platform/files.h"
#include "platform/paths.h"
#include "platform/qtext.h"
#include "vehicles/vehicle_record.h"

namespace vehicles {

QString photoPath(const QString& position) {
  const QString n = platform::trim(position);
  bool ok = false;
  const qulonglong number = n.toULongLong(&ok);
  if (n.isEmpty() || !platform::IsAllDigits(n) || !ok) return QString();
  const QString folder = platform::exePath(QString::fromLatin1(kPhotoFolder.data(), int(kPhotoFolder.size())));
  if (!QDir().mkpath(folder)) return QString();
  return folder + QLatin1Char('/') + QString::fromStdString(photoFileName(number));
}

QImage loadPhoto(const QString& position) {
  const QString path = photoPath(position);
  if (path.isEmpty()) return QImage();
  // By content, not by extension: a bitmap saved under .jpg still loads.
  QImageReader reader(path);
  reader.setDecideFormatFromContent(true);
  return reader.read();
}

bool saveJpeg(const QImage& image, const QString& path) {
  if (image.isNull() || path.isEmpty()) return false;
  // Encoded in memory, then written whole: a failed write leaves the old file as it was.
  QByteArray jpeg;
  QBuffer buffer(&jpeg);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, "jpg");
  writer.setQuality(90);
  if (!writer.write(image.convertToFormat(QImage::Format_RGB32))) return false;
  return platform::writeWholeFile(path, jpeg);
}

bool savePhoto(const QImage& image, const QString& position) { return saveJpeg(image, photoPath(position)); }

namespace {

// A plain car seen from the side, in `colour`, inside `box`.
void drawCar(QPainter& p, const QRectF& box, const QColor& colour) {
  const qreal w = box.width(), h = box.height();
  auto at = [&](qreal x, qreal y) { return QPointF(box.left() + x * w, box.top() + y * h); };
  QPainterPath body;
  body.moveTo(at(0.04, 0.72));
  body.lineTo(at(0.04, 0.52));
  body.lineTo(at(0.14, 0.46));
  body.lineTo(at(0.30, 0.42));
  body.lineTo(at(0.40, 0.22));
  body.lineTo(at(0.70, 0.22));
  body.lineTo(at(0.82, 0.42));
  body.lineTo(at(0.94, 0.47));
  body.lineTo(at(0.96, 0.72));
  body.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawPath(body);
  p.setBrush(colour.lighter(160));
  QPainterPath windows;
  windows.moveTo(at(0.35, 0.42));
  windows.lineTo(at(0.43, 0.27));
  windows.lineTo(at(0.54, 0.27));
  windows.lineTo(at(0.54, 0.42));
  windows.closeSubpath();
  windows.moveTo(at(0.57, 0.42));
  windows.lineTo(at(0.57, 0.27));
  windows.lineTo(at(0.68, 0.27));
  windows.lineTo(at(0.76, 0.42));
  windows.closeSubpath();
  p.drawPath(windows);
  const qreal r = 0.11 * w;
  for (qreal cx : {0.25, 0.75}) {
    p.setBrush(colour.darker(150));
    p.drawEllipse(at(cx, 0.72), r, r);
    p.setBrush(colour.lighter(170));
    p.drawEllipse(at(cx, 0.72), r * 0.45, r * 0.45);
  }
}

}  // namespace

QImage blankPicture() {
  QImage img(400, 300, QImage::Format_RGB32);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient g(0, 0, 0, img.height());
  g.setColorAt(0, QColor(0xF4, 0xF6, 0xF9));
  g.setColorAt(1, QColor(0xDC, 0xE2, 0xEA));
  p.fillRect(img.rect(), g);
  drawCar(p, QRectF(90, 70, 220, 150), QColor(0xB8, 0xC2, 0xCE));
  return img;
}

QImage slideshowPicture() {
  QImage img(800, 600, QImage::Format_RGB32);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  QRadialGradient g(img.rect().center(), 520);
  g.setColorAt(0, QColor(0x2B, 0x4C, 0x7E));
  g.setColorAt(1, QColor(0x0B, 0x16, 0x2B));
  p.fillRect(img.rect(), g);
  drawCar(p, QRectF(200, 150, 400, 280), QColor(0x9F, 0xB8, 0xD8));
  return img;
}

PhotoFrame::PhotoFrame(QWidget* parent, const QString& objectName) : QWidget(parent) {
  setObjectName(objectName);
  setFocusPolicy(Qt::NoFocus);
}

void PhotoFrame::setImage(const QImage& image) {
  image_ = image;
  update();
}

void PhotoFrame::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  QRect area = rect();
  if (framed_) {
    p.fillRect(area, Qt::white);
    p.setPen(QColor(0x87, 0xCE, 0xEB));
    p.drawRect(area.adjusted(0, 0, -1, -1));
    area = area.adjusted(4, 4, -4, -4);
  }
  if (image_.isNull()) return;
  QSize size = image_.size();
  size.scale(area.size(), Qt::KeepAspectRatio);
  QRect target(QPoint(0, 0), size);
  target.moveCenter(area.center());
  p.drawImage(target, image_);
}

void PhotoFrame::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
}

}  // namespace vehicles
