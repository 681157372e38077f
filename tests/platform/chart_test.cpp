// The chart of twelve monthly values: what is drawn, piece by piece, for bars and for
// the pie; the white and cream points outlined; one drawing on the screen, in images
// and on the printed page.
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "platform/chart/chart.h"
#include "support/helpers.h"

using platform::Chart;
using platform::ChartKind;
using platform::ChartPiece;
using Role = platform::ChartPiece::Role;

namespace {

const char* const kMonths[12] = {"Gennaio", "Febbraio", "Marzo",     "Aprile",  "Maggio",   "Giugno",
                                 "Luglio",  "Agosto",   "Settembre", "Ottobre", "Novembre", "Dicembre"};
const QColor kColours[12] = {0xFF0000, 0x0000FF, 0xFFFFFF, 0xFF00FF, 0xC0DCC0, 0xFFFF00,
                             0x00FF00, 0xC0C0C0, 0xF0FBFF, 0x87CEEB, 0x800000, 0x008000};

Chart months(ChartKind kind, std::array<double, 12> values) {
  Chart c;
  c.kind = kind;
  c.title = QStringLiteral("Statistiche costi mensili");
  c.foot = QStringLiteral("Tutti gli importi sono arrotondati all'euro");
  c.legendTitle = QStringLiteral("Costi sostenuti:");
  for (std::size_t m = 0; m < 12; ++m) c.points.push_back({values[m], QString::fromLatin1(kMonths[m]), kColours[m]});
  return c;
}

const std::array<double, 12> kYear = {1250, 830, 2100, 0, 456, 1780, 990, 310, 1500, 2650, 720, 1999};

std::vector<const ChartPiece*> withRole(const std::vector<ChartPiece>& pieces, Role role) {
  std::vector<const ChartPiece*> out;
  for (const ChartPiece& p : pieces)
    if (p.role == role) out.push_back(&p);
  return out;
}

QStringList textsOf(const std::vector<ChartPiece>& pieces, Role role) {
  QStringList out;
  for (const ChartPiece* p : withRole(pieces, role)) out << p->text;
  return out;
}

QRectF boundsOf(const ChartPiece& p) {
  if (!p.path.isEmpty()) return p.path.boundingRect();
  if (!p.line.isNull()) return QRectF(p.line.p1(), p.line.p2()).normalized();
  return p.rect;
}

TEST(ChartLayout, BothKindsCarryTheTextsLegendAndMarksOfEveryPoint) {
  QStringList labels, values;
  for (std::size_t m = 0; m < 12; ++m) {
    labels << QString::fromLatin1(kMonths[m]);
    values << platform::chartValueText(kYear[m]);
  }
  for (ChartKind kind : {ChartKind::Bars, ChartKind::Pie}) {
    SCOPED_TRACE(kind == ChartKind::Bars ? "bars" : "pie");
    const auto pieces = platform::layoutChart(months(kind, kYear), QRectF(0, 0, 945, 486));
    ASSERT_EQ(withRole(pieces, Role::Title).size(), 1u);
    EXPECT_EQ(withRole(pieces, Role::Title)[0]->text, "Statistiche costi mensili");
    EXPECT_EQ(withRole(pieces, Role::Title)[0]->colour, QColor(0xD0, 0x44, 0x98));
    EXPECT_TRUE(withRole(pieces, Role::Title)[0]->font.bold());
    ASSERT_EQ(withRole(pieces, Role::Foot).size(), 1u);
    EXPECT_EQ(withRole(pieces, Role::Foot)[0]->text, "Tutti gli importi sono arrotondati all'euro");
    EXPECT_EQ(withRole(pieces, Role::Foot)[0]->colour, QColor(0x72, 0x94, 0xF9));
    EXPECT_EQ(textsOf(pieces, Role::LegendTitle), QStringList{"Costi sostenuti:"});
    EXPECT_EQ(textsOf(pieces, Role::LegendLabel), labels);
    EXPECT_EQ(textsOf(pieces, Role::LegendValue), values);
    const auto swatches = withRole(pieces, Role::LegendSwatch);
    ASSERT_EQ(swatches.size(), 12u);
    for (std::size_t m = 0; m < 12; ++m) EXPECT_EQ(swatches[m]->fill.color(), kColours[m]);
    // The legend sits at the bottom, above the foot, below everything else.
    const QRectF legend = withRole(pieces, Role::LegendBox)[0]->path.boundingRect();
    EXPECT_LT(legend.bottom(), withRole(pieces, Role::Foot)[0]->rect.top());
    for (Role r : {Role::Bar, Role::Slice, Role::SliceSide, Role::Mark, Role::PointLabel})
      for (const ChartPiece* p : withRole(pieces, r)) EXPECT_LT(boundsOf(*p).bottom(), legend.top());
  }
  // Bars: a label under each bar and a mark for every point, zero included.
  const auto bars = platform::layoutChart(months(ChartKind::Bars, kYear), QRectF(0, 0, 945, 486));
  EXPECT_EQ(textsOf(bars, Role::PointLabel), labels);
  EXPECT_EQ(textsOf(bars, Role::Mark), values);
  // Pie: a mark for every slice; a zero has no slice and no mark.
  const auto pie = platform::layoutChart(months(ChartKind::Pie, kYear), QRectF(0, 0, 945, 486));
  QStringList pieValues = values;
  pieValues.removeAt(3);  // April: 0
  QStringList marks = textsOf(pie, Role::Mark);
  std::sort(marks.begin(), marks.end());
  std::sort(pieValues.begin(), pieValues.end());
  EXPECT_EQ(marks, pieValues);
  EXPECT_EQ(withRole(pie, Role::Slice).size(), 11u);
  EXPECT_TRUE(textsOf(pie, Role::PointLabel).isEmpty());
}

TEST(ChartLayout, EverythingStaysInsideTheAreaAndNoMarksOverlap) {
  struct Case {
    const char* name;
    std::array<double, 12> values;
  } cases[] = {
      {"a year", kYear},
      {"all zero", {}},
      {"negative months", {21, 0, -2, 3, 0, 0, -150, 0, 0, 0, 0, 1}},
      {"one month only", {0, 0, 0, 0, 0, 7, 0, 0, 0, 0, 0, 0}},
      {"many small slices", {100000, 1, 2, 1, 3, 1, 2, 1, 1, 2, 1, 3}},
      {"large values", {123456789, 98765432, 5, 0, 0, 0, 0, 0, 0, 0, 0, 1}},
  };
  const QRectF areas[] = {QRectF(0, 0, 945, 486), QRectF(40, 30, 1043, 714), QRectF(0, 0, 640, 400)};
  for (const Case& c : cases) {
    for (ChartKind kind : {ChartKind::Bars, ChartKind::Pie}) {
      for (const QRectF& area : areas) {
        SCOPED_TRACE(std::string(c.name) + (kind == ChartKind::Bars ? " bars " : " pie ") +
                     std::to_string(int(area.width())));
        const auto pieces = platform::layoutChart(months(kind, c.values), area);
        EXPECT_FALSE(withRole(pieces, Role::Title).empty());
        for (const ChartPiece& p : pieces) {
          const QRectF b = boundsOf(p);
          // (by its edges: a horizontal line is an empty rectangle)
          EXPECT_TRUE(b.left() >= area.left() - 0.5 && b.right() <= area.right() + 0.5 &&
                      b.top() >= area.top() - 0.5 && b.bottom() <= area.bottom() + 0.5)
              << int(p.role) << " at " << b.x() << "," << b.y() << " " << b.width() << "x" << b.height();
        }
        const auto marks = withRole(pieces, Role::Mark);
        for (std::size_t i = 0; i < marks.size(); ++i)
          for (std::size_t j = i + 1; j < marks.size(); ++j)
            EXPECT_FALSE(marks[i]->rect.intersects(marks[j]->rect)) << marks[i]->text.toStdString() << " and "
                                                                    << marks[j]->text.toStdString();
      }
    }
  }
}

// The front face of each bar: the face whose first edge runs across and whose second
// runs straight down (the top and the side run into the depth); none for a zero month.
std::vector<QRectF> barFronts(const std::vector<ChartPiece>& pieces) {
  std::vector<QRectF> out(12);
  for (const ChartPiece* p : withRole(pieces, Role::Bar)) {
    const QPolygonF corners = p->path.toFillPolygon();
    if (corners.size() < 3) continue;
    if (corners[0].y() == corners[1].y() && corners[1].x() == corners[2].x())
      out[static_cast<std::size_t>(p->point)] = p->path.boundingRect();
  }
  return out;
}

TEST(ChartLayout, BarsStandOnZeroInProportionToTheirValuesAndAreOutlined) {
  const std::array<double, 12> values = {100, 200, 50, 0, -50, 0, 0, 0, 0, 0, 0, 400};
  const auto pieces = platform::layoutChart(months(ChartKind::Bars, values), QRectF(0, 0, 945, 486));
  const std::vector<QRectF> fronts = barFronts(pieces);
  const double unit = fronts[0].height() / 100;
  ASSERT_GT(unit, 0.3);
  const double zero = fronts[0].bottom();
  for (std::size_t m : {0u, 1u, 2u, 11u}) {
    SCOPED_TRACE(kMonths[m]);
    EXPECT_NEAR(fronts[m].height(), values[m] * unit, 0.01);
    EXPECT_NEAR(fronts[m].bottom(), zero, 0.01);
  }
  EXPECT_NEAR(fronts[4].top(), zero, 0.01);  // a negative month hangs below zero
  EXPECT_NEAR(fronts[4].height(), 50 * unit, 0.01);
  EXPECT_TRUE(fronts[3].isNull());  // a zero month: its top face only
  EXPECT_EQ(std::count_if(pieces.begin(), pieces.end(), [](const ChartPiece& p) { return p.point == 3 && p.role == Role::Bar; }), 1);
  const std::size_t standing[] = {0, 1, 2, 4, 11};
  for (std::size_t i = 1; i < std::size(standing); ++i)
    EXPECT_GT(fronts[standing[i]].left(), fronts[standing[i - 1]].right());  // in order, apart
  // Every face has the point's colour (lit or shaded) and a dark outline.
  for (const ChartPiece* p : withRole(pieces, Role::Bar)) {
    EXPECT_TRUE(p->outline.isValid());
    EXPECT_LT(p->outline.lightness(), 100);
  }
  for (const ChartPiece* p : withRole(pieces, Role::Bar)) {
    if (p->path.boundingRect() == fronts[static_cast<std::size_t>(p->point)]) {  // the front: the point's own colour
      EXPECT_EQ(p->fill.color(), kColours[p->point]);
    }
  }
}

TEST(ChartLayout, SlicesShareTheTurnInProportionToTheirValues) {
  const std::array<double, 12> values = {1, 0, 1, 0, 0, 2, 0, 0, 0, 0, 0, -4};  // a negative value counts as its size
  const auto pieces = platform::layoutChart(months(ChartKind::Pie, values), QRectF(0, 0, 945, 486));
  const auto slices = withRole(pieces, Role::Slice);
  ASSERT_EQ(slices.size(), 4u);
  // The area of each top face, by filling a fine grid: 1/8, 1/8, 2/8, 4/8 of the disc.
  QRectF disc;
  for (const ChartPiece* p : slices) disc = disc.united(p->path.boundingRect());
  std::vector<int> hits(4, 0);
  int total = 0;
  for (double y = disc.top(); y < disc.bottom(); y += 1)
    for (double x = disc.left(); x < disc.right(); x += 1)
      for (std::size_t s = 0; s < 4; ++s)
        if (slices[s]->path.contains(QPointF(x, y))) {
          ++hits[s];
          ++total;
          break;
        }
  const double want[] = {1.0 / 8, 1.0 / 8, 2.0 / 8, 4.0 / 8};
  for (std::size_t s = 0; s < 4; ++s) EXPECT_NEAR(double(hits[s]) / total, want[s], 0.01) << s;
  for (const ChartPiece* p : slices) EXPECT_LT(p->outline.lightness(), 100);
  // All zero: an empty disc, no slice, no mark.
  const auto empty = platform::layoutChart(months(ChartKind::Pie, {}), QRectF(0, 0, 945, 486));
  EXPECT_TRUE(withRole(empty, Role::Slice).empty());
  EXPECT_TRUE(withRole(empty, Role::Mark).empty());
  EXPECT_FALSE(withRole(empty, Role::Wall).empty());
}

// Whether a dark pixel (an outline) lies on the row `y` between x0 and x1.
bool darkBetween(const QImage& image, int y, int x0, int x1) {
  for (int x = x0; x <= x1; ++x)
    if (image.pixelColor(x, y).lightness() < 180) return true;
  return false;
}

TEST(ChartImage, TheWhiteAndCreamMonthsAreOutlinedOnTheWhiteWalls) {
  const QImage image = platform::chartImage(months(ChartKind::Bars, kYear), QSize(945, 486));
  ASSERT_EQ(image.size(), QSize(945, 486));
  const auto pieces = platform::layoutChart(months(ChartKind::Bars, kYear), QRectF(0, 0, 945, 486));
  const std::vector<QRectF> fronts = barFronts(pieces);
  for (std::size_t m : {2u, 8u}) {  // March white, September cream
    SCOPED_TRACE(kMonths[m]);
    const QRectF f = fronts[m];
    const QPoint inside = f.center().toPoint();
    EXPECT_EQ(image.pixelColor(inside), kColours[m]);
    EXPECT_TRUE(darkBetween(image, inside.y(), int(f.left()) - 2, int(f.left()) + 2));
    EXPECT_TRUE(darkBetween(image, inside.y(), int(f.right()) - 2, int(f.right()) + 2));
  }
  const QImage pie = platform::chartImage(months(ChartKind::Pie, kYear), QSize(945, 486));
  const auto piePieces = platform::layoutChart(months(ChartKind::Pie, kYear), QRectF(0, 0, 945, 486));
  for (const ChartPiece* slice : withRole(piePieces, Role::Slice)) {
    if (slice->point != 2 && slice->point != 8) continue;
    // Somewhere well inside the slice it shows its own colour.
    const QRectF b = slice->path.boundingRect();
    bool found = false;
    for (double y = b.top(); y < b.bottom() && !found; y += 2)
      for (double x = b.left(); x < b.right() && !found; x += 2) {
        const QPointF at(x, y);
        if (slice->path.contains(at) && slice->path.contains(at + QPointF(4, 4)) &&
            slice->path.contains(at - QPointF(4, 4)) && slice->path.contains(at + QPointF(4, -4)) &&
            slice->path.contains(at + QPointF(-4, 4)))
          found = pie.pixelColor(at.toPoint()) == kColours[slice->point];
      }
    EXPECT_TRUE(found) << kMonths[slice->point];
  }
}

TEST(ChartView, PaintsWhatTheImageShowsAndKeepsItsPointsAcrossKinds) {
  platform::ChartView view(nullptr, QStringLiteral("ChartStats"));
  view.resize(945, 486);
  EXPECT_EQ(view.objectName(), "ChartStats");
  view.setChart(months(ChartKind::Bars, kYear));
  view.setKind(ChartKind::Pie);
  EXPECT_EQ(view.chart().points.size(), 12u);
  const QImage shown = view.grab().toImage().convertToFormat(QImage::Format_RGB32);
  const QImage drawn = platform::chartImage(months(ChartKind::Pie, kYear), QSize(945, 486)).convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(shown.size(), drawn.size());
  int differ = 0;
  for (int y = 0; y < shown.height(); ++y)
    for (int x = 0; x < shown.width(); ++x) differ += shown.pixel(x, y) != drawn.pixel(x, y);
  EXPECT_EQ(differ, 0);
  view.setKind(ChartKind::Bars);
  EXPECT_EQ(view.chart().points[2].label, "Marzo");
  view.clearPoints();
  EXPECT_TRUE(view.chart().points.empty());
  EXPECT_EQ(view.kind(), ChartKind::Bars);
}

TEST(ChartPage, FillsTheWholePageInsideItsMarginWithNoBackground) {
  // A landscape page at 300 dots per inch.
  QImage page(3508, 2480, QImage::Format_RGB32);
  page.setDotsPerMeterX(11811);
  page.setDotsPerMeterY(11811);
  page.fill(Qt::white);
  {
    QPainter painter(&page);
    platform::drawChartPage(painter, months(ChartKind::Bars, kYear));
  }
  int left = page.width(), right = 0, top = page.height(), bottom = 0;
  for (int y = 0; y < page.height(); y += 4)
    for (int x = 0; x < page.width(); x += 4)
      if (page.pixel(x, y) != qRgb(255, 255, 255)) {
        left = std::min(left, x);
        right = std::max(right, x);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
      }
  const int margin = int(2480 * 0.04);
  EXPECT_GE(left, margin - 4);
  EXPECT_LE(right, page.width() - margin + 4);
  EXPECT_GE(top, margin - 4);
  EXPECT_LE(bottom, page.height() - margin + 4);
  EXPECT_GT(right - left, page.width() * 0.85);
  EXPECT_GT(bottom - top, page.height() * 0.8);
  // The corners of the drawn area are the page's white: no panel fill is printed.
  EXPECT_EQ(page.pixel(margin + 10, margin + 10), qRgb(255, 255, 255));
}

}  // namespace
