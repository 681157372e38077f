#include "kit/card_frame.h"

#include <QLinearGradient>
#include <QPainter>

#include "platform/form.h"
#include "platform/widgets.h"

namespace kit {

CardPanel::CardPanel(QWidget* parent, const QString& name, const QColor& top, const QColor& bottom)
    : QFrame(parent), top_(top), bottom_(bottom) {
  setObjectName(name);
  setMouseTracking(true);
}

void CardPanel::setTitle(const QString& title, int titleTop, int titleHeight) {
  title_ = title;
  setAccessibleName(title);  // the painted title, for whoever cannot see it
  titleTop_ = titleTop;
  titleHeight_ = titleHeight;
  update();
}

void CardPanel::paintEvent(QPaintEvent*) {
  QPainter p(this);
  QLinearGradient g(0, 0, 0, height());
  g.setColorAt(0, top_);
  g.setColorAt(1, bottom_);
  p.fillRect(rect(), g);
  p.setPen(platform::kSkyBlue);
  p.drawRect(rect().adjusted(0, 0, -1, -1));
  if (title_.isEmpty()) return;
  QFont f = font();
  f.setBold(true);
  p.setFont(f);
  p.setPen(QColor(0x1F, 0x3A, 0x68));
  p.drawText(QRect(10, titleTop_, width() - 20, titleHeight_), Qt::AlignLeft | Qt::AlignVCenter, title_);
}

TitleStrip::TitleStrip(QWidget* parent, const QString& name, const QString& title, const StripText& text)
    : QLabel(parent), title_(title), text_(text) {
  setObjectName(name);
  setMouseTracking(true);
  setAccessibleName(title);  // the painted title, for whoever cannot see it
}

void TitleStrip::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (text_.antialiased) p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient g(0, 0, 0, height());
  g.setColorAt(0, QColor(0x1F, 0x3A, 0x68));
  g.setColorAt(1, QColor(0x2E, 0x5C, 0x9E));
  p.fillRect(rect(), g);
  QFont f(QStringLiteral("DejaVu Sans"));
  f.setPixelSize(text_.pixelSize);
  f.setBold(true);
  p.setFont(f);
  p.setPen(Qt::white);
  const int w = text_.width > 0 ? text_.width : width() - 2 * text_.left;
  int flags = Qt::AlignVCenter | Qt::AlignLeft;
  if (text_.wordWrap) flags |= Qt::TextWordWrap;
  p.drawText(QRect(text_.left, 0, w, height()), flags, title_);
}

QPixmap roundPicture(const QString& sign, const QColor& colour, const QSize& size) {
  QPixmap pm(size);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(colour.darker(130), 2));
  p.setBrush(colour);
  p.drawEllipse(QRectF(2, 2, size.width() - 4, size.height() - 4));
  QFont f(QStringLiteral("Verdana"), 18, QFont::Bold);
  p.setFont(f);
  p.setPen(Qt::white);
  p.drawText(QRect(QPoint(0, 0), size), Qt::AlignCenter, sign);
  return pm;
}

void buildSections(platform::Form& window, QWidget* parent, std::span<const CardSection> sections) {
  for (const CardSection& section : sections) {
    auto* panel = new CardPanel(parent, QString::fromLatin1(section.name), section.notes ? kNotesTop : kDetailsTop,
                                section.notes ? kNotesBottom : kDetailsBottom);
    panel->setGeometry(section.at);
    window.setHint(panel, QString());
    if (!section.title) continue;
    const QString title = QString::fromUtf8(section.title);
    if (!section.strip) {
      panel->setTitle(title, section.titleTop, section.titleHeight);
      continue;
    }
    auto* strip = new TitleStrip(panel, QString::fromLatin1(section.strip), title,
                                 {.pixelSize = 14, .left = 12, .antialiased = true});
    strip->setGeometry(1, 1, section.at.width() - 2, 32);
    window.setHint(strip, QString());
  }
}

}  // namespace kit
