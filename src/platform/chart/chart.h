#pragma once
// The chart of the statistics windows: one series of points (twelve months), drawn
// with QPainter as bars with a three-dimensional look (orthogonal: the depth goes up
// and to the right at 45 degrees) or as a pie with a three-dimensional look; a title
// at the top, a foot at the bottom, above it the legend with its title (a coloured
// square, the point's label and its value per point), each point in its own colour,
// its value written in a mark beside it. Bars and slices are outlined, so a white or
// a cream point shows on the white walls.
//
// One drawing routine serves the screen (ChartView), the printed page (drawChartPage,
// the page in landscape or not as the printer is set) and images for tests
// (chartImage). layoutChart() gives what is drawn, piece by piece, so a test reads the
// texts and the shapes without looking at pixels.
//
// Sizes are designed for the screen widget of 945 x 486 pixels; on any other area the
// layout adapts, the texts keeping their pixel size (on the printed page the pixels
// are those of a 96 dpi screen, so a text prints as large as it shows).
#include <QBrush>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QLineF>
#include <QPainterPath>
#include <QRectF>
#include <QString>
#include <QWidget>
#include <vector>

class QPainter;

namespace platform {

enum class ChartKind { Bars, Pie };

struct ChartPoint {
  double value = 0;
  QString label;  // "Gennaio": under its bar, and in the legend
  QColor colour;
};

struct Chart {
  ChartKind kind = ChartKind::Bars;
  QString title = {};
  QColor titleColour = QColor(0xD0, 0x44, 0x98);
  QString foot = {};
  QColor footColour = QColor(0x72, 0x94, 0xF9);
  QString legendTitle = {};
  std::vector<ChartPoint> points = {};  // in the order they are drawn and listed
  // False: the shapes alone, no text at all (a small picture of a chart).
  bool texts = true;
  // The panel's light fill and frame behind everything; the printed page has none.
  bool background = true;
};

// One piece of a drawn chart. A piece is a filled and outlined shape, a line or a
// text, or a shape with a text in it (a mark).
struct ChartPiece {
  enum class Role {
    Background,
    Wall,        // the bars' back wall, left wall and floor; an empty pie's disc
    Grid,        // a line of the value axis on the walls
    AxisLabel,   // a value of the axis
    Bar,         // a face of a bar (front, top, side)
    Slice,       // the top of a slice
    SliceSide,   // the visible side of a slice
    PointLabel,  // the label under a bar
    Mark,        // the box with a point's value
    MarkLine,    // from a slice to its mark
    Title,
    Foot,
    LegendBox,
    LegendTitle,
    LegendSwatch,
    LegendLabel,
    LegendValue,
  };
  Role role = Role::Background;
  int point = -1;  // the point the piece belongs to, -1 for none

  QPainterPath path = {};  // filled with `fill`, outlined with `outline` (none when invalid)
  QBrush fill = {};
  QColor outline = {};
  QLineF line = {};        // drawn with `colour`
  qreal width = 1;         // of the outline or the line

  QString text = {};       // drawn in `rect` with `font`, `colour` and `flags`
  QRectF rect = {};
  QFont font = {};
  QColor colour = Qt::black;
  int flags = 0;
};

// The pieces of `chart` drawn on `area`, in paint order.
std::vector<ChartPiece> layoutChart(const Chart& chart, const QRectF& area);

// Draws `chart` on `area` in the painter's units.
void drawChart(QPainter& painter, const QRectF& area, const Chart& chart);

// Draws `chart` on the whole page of the painter's device (a printer), inside a small
// margin, with no background fill, its texts as large as on a 96 dpi screen.
void drawChartPage(QPainter& painter, const Chart& chart);

// `chart` drawn on a white image of `size`.
QImage chartImage(const Chart& chart, const QSize& size);

// A point's value as its mark and the legend write it: the general number format
// with the decimal comma ("21", "-2", "20,8").
QString chartValueText(double value);

// The chart on screen: paints its chart on its whole area.
class ChartView : public QWidget {
  Q_OBJECT
 public:
  ChartView(QWidget* parent, const QString& objectName);

  const Chart& chart() const { return chart_; }
  void setChart(Chart chart);
  ChartKind kind() const { return chart_.kind; }
  // The series as bars or as a pie, keeping its points.
  void setKind(ChartKind kind);
  void setPoints(std::vector<ChartPoint> points);
  void clearPoints() { setPoints({}); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Chart chart_;
};

}  // namespace platform
