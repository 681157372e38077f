#include "platform/chart/chart.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPaintDevice>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "platform/qtext.h"

namespace platform {

namespace {

using Role = ChartPiece::Role;

constexpr qreal kPad = 8;
const QColor kOutline(0x40, 0x40, 0x40);
const QColor kWallOutline(0x8C, 0x96, 0xA0);
const QColor kGridColour(0xC4, 0xCC, 0xD6);
const QColor kMarkFill(0xFF, 0xFF, 0xE1);
const QColor kMarkOutline(0x80, 0x80, 0x80);

QFont verdana(int pixels, bool bold) {
  QFont f(QStringLiteral("Verdana"));
  f.setPixelSize(pixels);
  f.setBold(bold);
  return f;
}

// The fonts, in pixels of a 96 dpi screen: the title about 20 points, the foot about 11.
QFont titleFont() { return verdana(26, true); }
QFont footFont() { return verdana(15, true); }
QFont legendFont() { return verdana(12, false); }
QFont legendTitleFont() { return verdana(12, true); }
QFont smallFont() { return verdana(11, false); }

qreal textWidth(const QFont& font, const QString& text) { return QFontMetricsF(font).horizontalAdvance(text); }
qreal lineHeight(const QFont& font) { return QFontMetricsF(font).height(); }

ChartPiece text(Role role, const QString& s, const QRectF& rect, const QFont& font, const QColor& colour, int flags,
                int point = -1) {
  ChartPiece p;
  p.role = role;
  p.point = point;
  p.text = s;
  p.rect = rect;
  p.font = font;
  p.colour = colour;
  p.flags = flags;
  return p;
}

ChartPiece shape(Role role, QPainterPath path, const QBrush& fill, const QColor& outline, int point = -1) {
  ChartPiece p;
  p.role = role;
  p.point = point;
  p.path = std::move(path);
  p.fill = fill;
  p.outline = outline;
  return p;
}

ChartPiece polygon(Role role, std::initializer_list<QPointF> corners, const QBrush& fill, const QColor& outline,
                   int point = -1) {
  QPainterPath path;
  path.addPolygon(QPolygonF(QList<QPointF>(corners)));
  path.closeSubpath();
  return shape(role, std::move(path), fill, outline, point);
}

ChartPiece line(Role role, const QLineF& l, const QColor& colour, int point = -1) {
  ChartPiece p;
  p.role = role;
  p.point = point;
  p.line = l;
  p.colour = colour;
  return p;
}

// A point's value in a box.
ChartPiece mark(const QString& s, QRectF box, int point) {
  QPainterPath path;
  path.addRect(box);
  ChartPiece p = shape(Role::Mark, std::move(path), kMarkFill, kMarkOutline, point);
  p.text = s;
  p.rect = box;
  p.font = smallFont();
  p.colour = Qt::black;
  p.flags = Qt::AlignCenter;
  return p;
}

QSizeF markSize(const QString& s) {
  return {textWidth(smallFont(), s) + 8, lineHeight(smallFont()) + 2};
}

// ---- the frame: title, foot, legend -------------------------------------------------

// Lays out the legend at the bottom of `area` (above `bottom`) and returns its top.
qreal layoutLegend(const Chart& chart, const QRectF& area, qreal bottom, std::vector<ChartPiece>& out) {
  const std::size_t n = chart.points.size();
  if (n == 0) return bottom;
  const QFont font = legendFont();
  const QFont bold = legendTitleFont();
  const qreal swatch = 12, gap = 6, columnGap = 18, inner = 8;
  qreal labelWidth = 0, valueWidth = 0;
  for (const ChartPoint& p : chart.points) {
    labelWidth = std::max(labelWidth, textWidth(font, p.label));
    valueWidth = std::max(valueWidth, textWidth(font, chartValueText(p.value)));
  }
  const qreal column = swatch + gap + labelWidth + 10 + valueWidth;
  const qreal titleWidth = chart.legendTitle.isEmpty() ? 0 : textWidth(bold, chart.legendTitle) + 16;
  const qreal room = area.width() - 2 * kPad - 2 * inner - titleWidth;
  std::size_t columns = std::clamp<std::size_t>(static_cast<std::size_t>((room + columnGap) / (column + columnGap)), 1, n);
  const std::size_t rows = (n + columns - 1) / columns;
  columns = (n + rows - 1) / rows;  // rows as even as they can be
  const qreal rowHeight = lineHeight(font) + 3;
  const qreal height = static_cast<qreal>(rows) * rowHeight + 2 * inner - 3;
  const qreal width = titleWidth + static_cast<qreal>(columns) * column +
                      static_cast<qreal>(columns - 1) * columnGap + 2 * inner;
  const QRectF box(area.center().x() - width / 2, bottom - height, width, height);

  QPainterPath frame;
  frame.addRect(box);
  out.push_back(shape(Role::LegendBox, frame, Qt::white, kWallOutline));
  if (!chart.legendTitle.isEmpty()) {
    out.push_back(text(Role::LegendTitle, chart.legendTitle,
                       QRectF(box.left() + inner, box.top(), titleWidth, box.height()), bold, Qt::black,
                       Qt::AlignLeft | Qt::AlignVCenter));
  }
  for (std::size_t i = 0; i < n; ++i) {
    const ChartPoint& p = chart.points[i];
    const int point = static_cast<int>(i);
    const qreal x = box.left() + inner + titleWidth + static_cast<qreal>(i % columns) * (column + columnGap);
    const qreal y = box.top() + inner + static_cast<qreal>(i / columns) * rowHeight;
    const qreal middle = y + (rowHeight - 3) / 2;
    QPainterPath square;
    square.addRect(QRectF(x, middle - swatch / 2, swatch, swatch));
    out.push_back(shape(Role::LegendSwatch, square, p.colour, kOutline, point));
    out.push_back(text(Role::LegendLabel, p.label, QRectF(x + swatch + gap, y, labelWidth, rowHeight - 3), font,
                       Qt::black, Qt::AlignLeft | Qt::AlignVCenter, point));
    out.push_back(text(Role::LegendValue, chartValueText(p.value),
                       QRectF(x + column - valueWidth, y, valueWidth, rowHeight - 3), font, Qt::black,
                       Qt::AlignRight | Qt::AlignVCenter, point));
  }
  return box.top();
}

// ---- bars -----------------------------------------------------------------------------

// A step of 1, 2 or 5 times a power of ten near `rough`.
double niceStep(double rough) {
  const double magnitude = std::pow(10.0, std::floor(std::log10(rough)));
  const double f = rough / magnitude;
  return (f <= 1 ? 1 : f <= 2 ? 2 : f <= 5 ? 5 : 10) * magnitude;
}

void layoutBars(const Chart& chart, const QRectF& plot, std::vector<ChartPiece>& out) {
  const std::size_t n = chart.points.size();
  double low = 0, high = 0;
  bool whole = true;
  for (const ChartPoint& p : chart.points) {
    low = std::min(low, p.value);
    high = std::max(high, p.value);
    whole = whole && p.value == std::trunc(p.value);
  }
  if (high == low) high = low + 1;
  double step = niceStep((high - low) / 5);
  if (whole) step = std::max(step, 1.0);
  const double axisLow = std::floor(low / step) * step;
  double axisHigh = std::ceil(high / step) * step;
  if (axisHigh <= axisLow) axisHigh = axisLow + step;

  const QFont small = smallFont();
  const qreal smallHeight = lineHeight(small);
  std::vector<double> ticks;
  for (double v = axisLow; v <= axisHigh + step / 2; v += step) ticks.push_back(std::abs(v) < step / 2 ? 0.0 : v);
  qreal tickWidth = 0;
  if (chart.texts)
    for (double v : ticks) tickWidth = std::max(tickWidth, textWidth(small, chartValueText(v)) + 8);

  const qreal depth = std::clamp(plot.width() * 0.022, 3.0, 24.0);
  const qreal markHeight = chart.texts ? smallHeight + 8 : 0;
  const qreal labelHeight = chart.texts ? smallHeight + 4 : 0;
  const qreal left = plot.left() + tickWidth;
  const qreal right = plot.right() - depth - 2;
  const qreal top = plot.top() + depth + markHeight + 2;
  const qreal bottom = plot.bottom() - labelHeight - (low < 0 ? markHeight : 0);
  if (right <= left || bottom <= top) return;
  auto yOf = [&](double v) { return bottom - (v - axisLow) / (axisHigh - axisLow) * (bottom - top); };
  const QPointF back(depth, -depth);

  // The walls: back, left, floor.
  QLinearGradient backFill(QPointF(0, top - depth), QPointF(0, bottom - depth));
  backFill.setColorAt(0, Qt::white);
  backFill.setColorAt(1, QColor(0xEE, 0xF2, 0xF7));
  out.push_back(polygon(Role::Wall,
                        {QPointF(left, top) + back, QPointF(right, top) + back, QPointF(right, bottom) + back,
                         QPointF(left, bottom) + back},
                        backFill, kWallOutline));
  out.push_back(polygon(Role::Wall,
                        {QPointF(left, top), QPointF(left, top) + back, QPointF(left, bottom) + back,
                         QPointF(left, bottom)},
                        QColor(0xE4, 0xE9, 0xF0), kWallOutline));
  out.push_back(polygon(Role::Wall,
                        {QPointF(left, bottom), QPointF(right, bottom), QPointF(right, bottom) + back,
                         QPointF(left, bottom) + back},
                        QColor(0xD6, 0xDD, 0xE6), kWallOutline));

  // The value axis: lines on the back and left walls, values at the front.
  for (double v : ticks) {
    const qreal y = yOf(v);
    out.push_back(line(Role::Grid, QLineF(QPointF(left, y) + back, QPointF(right, y) + back), kGridColour));
    out.push_back(line(Role::Grid, QLineF(QPointF(left, y), QPointF(left, y) + back), kGridColour));
    if (chart.texts) {
      out.push_back(text(Role::AxisLabel, chartValueText(v),
                         QRectF(plot.left(), y - smallHeight / 2, tickWidth - 6, smallHeight), small, Qt::black,
                         Qt::AlignRight | Qt::AlignVCenter));
    }
  }
  if (n == 0) return;

  // The bars, left to right: a bar's front covers the side of the one before it.
  const qreal slot = (right - left) / static_cast<qreal>(n);
  const qreal width = slot * 0.7;
  const qreal zero = yOf(0);
  for (std::size_t i = 0; i < n; ++i) {
    const ChartPoint& p = chart.points[i];
    const int point = static_cast<int>(i);
    const qreal x = left + static_cast<qreal>(i) * slot + (slot - width) / 2;
    const qreal yValue = yOf(p.value);
    const qreal yTop = std::min(zero, yValue), yBottom = std::max(zero, yValue);
    const QColor front = p.colour;
    const QColor lit = p.colour.lighter(115);
    const QColor shade = p.colour.darker(130);
    if (yBottom > yTop) {
      out.push_back(polygon(Role::Bar,
                            {QPointF(x, yTop), QPointF(x + width, yTop), QPointF(x + width, yBottom),
                             QPointF(x, yBottom)},
                            front, kOutline, point));
      out.push_back(polygon(Role::Bar,
                            {QPointF(x + width, yTop), QPointF(x + width, yTop) + back,
                             QPointF(x + width, yBottom) + back, QPointF(x + width, yBottom)},
                            shade, kOutline, point));
    }
    out.push_back(polygon(Role::Bar,
                          {QPointF(x, yTop), QPointF(x + width, yTop), QPointF(x + width, yTop) + back,
                           QPointF(x, yTop) + back},
                          lit, kOutline, point));

    if (!chart.texts) continue;
    const qreal centre = x + width / 2;
    out.push_back(text(Role::PointLabel, p.label, QRectF(centre - slot / 2 - 4, bottom + 3, slot + 8, smallHeight),
                       small, Qt::black, Qt::AlignHCenter | Qt::AlignTop, point));
    const QString value = chartValueText(p.value);
    const QSizeF size = markSize(value);
    const qreal markX = centre + depth / 2 - size.width() / 2;
    const qreal markY = p.value < 0 ? yBottom + 4 : yTop - depth - 4 - size.height();
    out.push_back(mark(value, QRectF(QPointF(markX, markY), size), point));
  }
}

// ---- pie ------------------------------------------------------------------------------

QPointF onEllipse(const QRectF& r, double degrees) {
  const double a = degrees * std::numbers::pi / 180;
  return {r.center().x() + r.width() / 2 * std::cos(a), r.center().y() - r.height() / 2 * std::sin(a)};
}

void layoutPie(const Chart& chart, const QRectF& plot, std::vector<ChartPiece>& out) {
  const std::size_t n = chart.points.size();
  double total = 0;
  for (const ChartPoint& p : chart.points) total += std::abs(p.value);

  // Room for the marks on either side and above and below.
  qreal markWidth = 0, markHeight = 0;
  if (chart.texts) {
    for (const ChartPoint& p : chart.points) {
      const QSizeF s = markSize(chartValueText(p.value));
      markWidth = std::max(markWidth, s.width());
      markHeight = std::max(markHeight, s.height());
    }
  }
  const qreal reach = chart.texts ? 18 : 0;  // from the rim to a mark
  constexpr qreal kTilt = 0.5, kThickness = 0.12;
  const qreal byWidth = plot.width() / 2 - markWidth - reach - 6;
  const qreal byHeight = (plot.height() - 2 * (markHeight + reach * kTilt + 4)) / (2 * kTilt + kThickness);
  const qreal rx = std::min(byWidth, byHeight);
  if (rx <= 2) return;
  const qreal ry = rx * kTilt, thickness = rx * kThickness;
  const QPointF centre(plot.center().x(), plot.center().y() - thickness / 2);
  const QRectF top(centre.x() - rx, centre.y() - ry, 2 * rx, 2 * ry);
  const QRectF bottom = top.translated(0, thickness);

  if (total == 0) {
    // No value at all: the empty disc.
    QPainterPath side;
    side.moveTo(onEllipse(top, 180));
    side.arcTo(top, 180, 180);
    side.lineTo(onEllipse(bottom, 0));
    side.arcTo(bottom, 0, -180);
    side.closeSubpath();
    out.push_back(shape(Role::Wall, side, QColor(0xD6, 0xDD, 0xE6), kWallOutline));
    QPainterPath face;
    face.addEllipse(top);
    out.push_back(shape(Role::Wall, face, QColor(0xEE, 0xF1, 0xF5), kWallOutline));
    return;
  }

  // Slices clockwise from twelve o'clock, each `span` degrees, from `start` down to
  // start - span (Qt's angles go anticlockwise from three o'clock).
  struct Slice {
    int point;
    double start, span;
  };
  std::vector<Slice> slices;
  double at = 90;
  for (std::size_t i = 0; i < n; ++i) {
    const double span = 360 * std::abs(chart.points[i].value) / total;
    if (span <= 0) continue;
    slices.push_back({static_cast<int>(i), at, span});
    at -= span;
  }

  // The side shows on the front half (from 180 down to 360 degrees, here -180 to 0).
  for (const Slice& s : slices) {
    const double from = std::max(s.start - s.span, -180.0), to = std::min(s.start, 0.0);
    if (to <= from) continue;
    QPainterPath side;
    side.moveTo(onEllipse(top, from));
    side.arcTo(top, from, to - from);
    side.lineTo(onEllipse(bottom, to));
    side.arcTo(bottom, to, from - to);
    side.closeSubpath();
    const QColor colour = chart.points[static_cast<std::size_t>(s.point)].colour;
    QLinearGradient fill(QPointF(top.left(), 0), QPointF(top.right(), 0));
    fill.setColorAt(0, colour.darker(150));
    fill.setColorAt(0.4, colour.darker(115));
    fill.setColorAt(1, colour.darker(150));
    out.push_back(shape(Role::SliceSide, side, fill, kOutline, s.point));
  }
  for (const Slice& s : slices) {
    QPainterPath face;
    face.moveTo(centre);
    face.arcTo(top, s.start, -s.span);
    face.closeSubpath();
    out.push_back(shape(Role::Slice, face, chart.points[static_cast<std::size_t>(s.point)].colour, kOutline, s.point));
  }
  if (!chart.texts) return;

  // The marks: outside the rim at the middle of their slice, kept from covering each
  // other on each side, with a line from the rim.
  struct Placed {
    int point;
    QPointF rim, end;
    QRectF box;
    bool right;
  };
  std::vector<Placed> marks;
  for (const Slice& s : slices) {
    const double middle = s.start - s.span / 2;
    const double a = middle * std::numbers::pi / 180;
    const bool front = std::sin(a) < 0;
    QPointF rim = onEllipse(top, middle);
    if (front) rim.ry() += thickness;
    const QPointF end = rim + QPointF(reach * std::cos(a), -reach * kTilt * std::sin(a) + (front ? 4 : -4));
    const QString value = chartValueText(chart.points[static_cast<std::size_t>(s.point)].value);
    const QSizeF size = markSize(value);
    const bool right = std::cos(a) >= 0;
    const QPointF corner(right ? end.x() + 2 : end.x() - 2 - size.width(), end.y() - size.height() / 2);
    marks.push_back({s.point, rim, end, QRectF(corner, size), right});
  }
  for (bool right : {false, true}) {
    std::vector<Placed*> side;
    for (Placed& m : marks)
      if (m.right == right) side.push_back(&m);
    std::sort(side.begin(), side.end(), [](const Placed* a, const Placed* b) { return a->box.top() < b->box.top(); });
    for (std::size_t i = 1; i < side.size(); ++i) {
      const qreal below = side[i - 1]->box.bottom() + 2;
      if (side[i]->box.top() < below) side[i]->box.moveTop(below);
    }
    for (std::size_t i = side.size(); i-- > 0;) {
      const qreal limit = i + 1 < side.size() ? side[i + 1]->box.top() - 2 : plot.bottom();
      if (side[i]->box.bottom() > limit) side[i]->box.moveBottom(limit);
    }
  }
  for (const Placed& m : marks) {
    const QPointF to(m.right ? m.box.left() : m.box.right(), m.box.center().y());
    out.push_back(line(Role::MarkLine, QLineF(m.rim, to), kMarkOutline, m.point));
  }
  for (const Placed& m : marks)
    out.push_back(mark(chartValueText(chart.points[static_cast<std::size_t>(m.point)].value), m.box, m.point));
}

}  // namespace

QString chartValueText(double value) { return formatGeneral(value); }

std::vector<ChartPiece> layoutChart(const Chart& chart, const QRectF& area) {
  std::vector<ChartPiece> out;
  if (chart.background) {
    QLinearGradient fill(area.topLeft(), area.bottomLeft());
    fill.setColorAt(0, Qt::white);
    fill.setColorAt(1, QColor(0xE6, 0xED, 0xF5));
    QPainterPath frame;
    frame.addRect(area.adjusted(0.5, 0.5, -0.5, -0.5));
    out.push_back(shape(Role::Background, frame, fill, kWallOutline));
  }
  qreal top = area.top() + kPad;
  qreal bottom = area.bottom() - kPad;
  std::vector<ChartPiece> frameTexts;
  if (chart.texts) {
    if (!chart.title.isEmpty()) {
      const QFont font = titleFont();
      const qreal h = lineHeight(font);
      frameTexts.push_back(text(Role::Title, chart.title, QRectF(area.left(), top, area.width(), h), font,
                                chart.titleColour, Qt::AlignHCenter | Qt::AlignTop));
      top += h + 4;
    }
    if (!chart.foot.isEmpty()) {
      const QFont font = footFont();
      const qreal h = lineHeight(font);
      frameTexts.push_back(text(Role::Foot, chart.foot, QRectF(area.left(), bottom - h, area.width(), h), font,
                                chart.footColour, Qt::AlignHCenter | Qt::AlignBottom));
      bottom -= h + 4;
    }
    bottom = layoutLegend(chart, area, bottom, frameTexts) - 8;
  }
  const QRectF plot(area.left() + kPad, top, area.width() - 2 * kPad, bottom - top);
  if (plot.width() > 0 && plot.height() > 0) {
    if (chart.kind == ChartKind::Bars) layoutBars(chart, plot, out);
    else layoutPie(chart, plot, out);
  }
  out.insert(out.end(), std::make_move_iterator(frameTexts.begin()), std::make_move_iterator(frameTexts.end()));
  return out;
}

void drawChart(QPainter& painter, const QRectF& area, const Chart& chart) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  for (const ChartPiece& p : layoutChart(chart, area)) {
    if (!p.path.isEmpty()) {
      painter.setPen(p.outline.isValid() ? QPen(p.outline, p.width) : QPen(Qt::NoPen));
      painter.setBrush(p.fill);
      painter.drawPath(p.path);
    } else if (!p.line.isNull()) {
      painter.setPen(QPen(p.colour, p.width));
      painter.drawLine(p.line);
    }
    if (!p.text.isEmpty()) {
      painter.setFont(p.font);
      painter.setPen(p.colour);
      painter.drawText(p.rect, p.flags, p.text);
    }
  }
  painter.restore();
}

void drawChartPage(QPainter& painter, const Chart& chart) {
  QPaintDevice* device = painter.device();
  // The page in the pixels of a 96 dpi screen.
  const qreal scale = device->logicalDpiX() / 96.0;
  const QSizeF page(device->width() / scale, device->height() / scale);
  const qreal margin = std::min(page.width(), page.height()) * 0.04;
  Chart printed = chart;
  printed.background = false;
  painter.save();
  painter.scale(scale, scale);
  drawChart(painter, QRectF(QPointF(margin, margin), page - QSizeF(2 * margin, 2 * margin)), printed);
  painter.restore();
}

QImage chartImage(const Chart& chart, const QSize& size) {
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::white);
  QPainter painter(&image);
  drawChart(painter, QRectF(QPointF(0, 0), QSizeF(size)), chart);
  return image;
}

// ---- the widget ---------------------------------------------------------------------

ChartView::ChartView(QWidget* parent, const QString& objectName) : QWidget(parent) {
  setObjectName(objectName);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void ChartView::setChart(Chart chart) {
  chart_ = std::move(chart);
  update();
}

void ChartView::setKind(ChartKind kind) {
  chart_.kind = kind;
  update();
}

void ChartView::setPoints(std::vector<ChartPoint> points) {
  chart_.points = std::move(points);
  update();
}

void ChartView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);  // as under an image of the chart
  drawChart(painter, QRectF(rect()), chart_);
}

}  // namespace platform
