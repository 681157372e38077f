#pragma once
// Report templates: a page (paper, orientation, margins) holding named bands laid out
// top to bottom, or objects placed straight on the page; bands and pages hold named
// memos, pictures, shapes and lines. Code finds an object by name, sets texts and heights,
// prepares the report into pages, then prints it (print dialog), previews it or
// writes a PDF.
//
// Sizes and positions are report units of 1/96 inch (mm() converts millimetres).
// Positions of band objects are relative to their band; objects placed on a page
// are relative to the page's printable area (inside the margins). Prepared pages
// hold positions from the paper's top-left corner.
//
// Failures (an object not found, a printer or PDF file that cannot be written)
// throw ReportError carrying a message for the user.
#include <QColor>
#include <QDateTime>
#include <QImage>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <memory>
#include <stdexcept>
#include <vector>

class QPrinter;
class QWidget;
class QPainter;

namespace platform::report {

class ReportError : public std::runtime_error {
 public:
  explicit ReportError(const QString& message);
  QString message() const;
};

inline constexpr double kUnitsPerMm = 96.0 / 25.4;
constexpr double mm(double millimetres) { return millimetres * kUnitsPerMm; }
constexpr double toMm(double units) { return units / kUnitsPerMm; }

// Colours of the templates, named as the designer named them.
inline const QColor kSlateGray{0x70, 0x80, 0x90};
inline const QColor kRoyalBlue{0x41, 0x69, 0xE1};

enum class HAlign { Left, Centre, Right };
enum class VAlign { Top, Centre, Bottom };

struct Font {
  QString family = QStringLiteral("Arial");  // design name; fontFamily() maps it
  double points = 10;
  bool bold = false;
  QColor color = Qt::black;
};

// The family actually used for a design family: Courier New -> Liberation Mono,
// Arial -> Liberation Sans, Verdana and Tahoma -> DejaVu Sans (metric twins where
// there are some); any other name is used as it is.
QString fontFamily(const QString& designFamily);

// The date and time texts a report shows: dates always dd/mm/yyyy; times in the
// system's own (long) time format, without a time-zone part.
QString dateText(const QDate& date);
QString timeText(const QTime& time);

class Object {
 public:
  enum class Kind { Memo, Picture, Shape, Line };
  Object(Kind kind, QString name, const QRectF& rect) : kind_(kind), name_(std::move(name)), rect_(rect) {}
  virtual ~Object() = default;
  Object(const Object&) = delete;
  Object& operator=(const Object&) = delete;

  Kind kind() const { return kind_; }
  const QString& name() const { return name_; }

  QRectF rect() const { return rect_; }
  void setRect(const QRectF& r) { rect_ = r; }
  double height() const { return rect_.height(); }
  void setHeight(double h) { rect_.setHeight(h); }

  QColor fill;          // invalid: none
  QColor frame;         // invalid: no frame
  double frameWidth = 1;

 private:
  Kind kind_;
  QString name_;
  QRectF rect_;
};

// A box of text. Lines are kept as given (nothing trimmed) and drawn one below the
// other at the font's line spacing; with word wrap off (the only mode) a line
// longer than the box is cut at its right edge, never wrapped. With expressions on,
// "[DATE]" and "[TIME]" become the preparation's date and time; any other text in
// brackets is printed as it stands.
class Memo : public Object {
 public:
  Memo(QString name, const QRectF& rect) : Object(Kind::Memo, std::move(name), rect) {}

  QStringList lines;
  QString text() const { return lines.join(QLatin1Char('\n')); }
  void setText(const QString& text);  // splits at line breaks (CR LF, LF or CR)

  Font font;
  HAlign hAlign = HAlign::Left;
  VAlign vAlign = VAlign::Top;
  bool expressions = true;
  // Distance between line tops, units; 0: the font's line spacing.
  double lineHeight = 0;
  double gapX = 2;  // inner padding, units
  double gapY = 1;
};

class Picture : public Object {
 public:
  Picture(QString name, const QRectF& rect) : Object(Kind::Picture, std::move(name), rect) {}
  QImage image;          // drawn scaled to fit, aspect ratio kept
  bool centre = true;    // centred in the frame, else top-left
};

class Shape : public Object {
 public:
  Shape(QString name, const QRectF& rect) : Object(Kind::Shape, std::move(name), rect) {}
};

// A straight line from its rect's top-left corner to its bottom-right one: a rect of
// no width is a vertical line, one of no height a horizontal line. Drawn in `frame`
// (black unless changed), `frameWidth` units thick, with a filled arrowhead at either
// end when asked; the line stops at an arrowhead's base, so the point stays sharp.
class Line : public Object {
 public:
  Line(QString name, const QRectF& rect) : Object(Kind::Line, std::move(name), rect) { frame = Qt::black; }
  bool arrowStart = false;  // at the top-left end
  bool arrowEnd = false;    // at the bottom-right end
  double arrowLength = 20;  // units along the line
  double arrowWidth = 5;    // units either side of the line
};

// A container of objects: a band, or a page's own objects.
class Container {
 public:
  Memo& addMemo(const QString& name, const QRectF& rect);
  Picture& addPicture(const QString& name, const QRectF& rect);
  Shape& addShape(const QString& name, const QRectF& rect);
  Line& addLine(const QString& name, const QRectF& rect);
  const std::vector<std::unique_ptr<Object>>& objects() const { return objects_; }
  Object* find(const QString& name) const;

 private:
  std::vector<std::unique_ptr<Object>> objects_;
};

enum class BandKind {
  ReportTitle,  // once, at the top of the first page
  MasterData,   // once (no data set), may split across pages
  Footer,       // once, after the data band
};

class Band : public Container {
 public:
  Band(BandKind kind, QString name, double height) : kind_(kind), name_(std::move(name)), height_(height) {}
  BandKind kind() const { return kind_; }
  const QString& name() const { return name_; }
  double height() const { return height_; }
  void setHeight(double h) { height_ = h; }
  bool allowSplit = false;

 private:
  BandKind kind_;
  QString name_;
  double height_;
};

class Page : public Container {
 public:
  explicit Page(QString name) : name_(std::move(name)) {}
  const QString& name() const { return name_; }

  QPageSize::PageSizeId paper = QPageSize::A4;
  QPageLayout::Orientation orientation = QPageLayout::Portrait;
  QMarginsF margins{10, 10, 10, 10};  // millimetres

  // Bands in the order they are laid out.
  Band& addBand(BandKind kind, const QString& name, double height);
  const std::vector<std::unique_ptr<Band>>& bands() const { return bands_; }

  // Paper size in units, as oriented.
  QSizeF paperSize() const;

  // A data page stands in the template's list of pages for the data it could
  // hold; it is never laid out, so it prints nothing.
  bool dataPage = false;

 private:
  QString name_;
  std::vector<std::unique_ptr<Band>> bands_;
};

// What preparation put on a page: one item per object (or per piece of a split
// object), in drawing order, positions in units from the paper's top-left corner.
struct PreparedItem {
  Object::Kind kind;
  QString name;
  QRectF rect;
  QColor fill, frame;
  double frameWidth = 1;
  // Memos: the lines on this page, the top of the first one and the line pitch.
  QStringList lines;
  double textTop = 0;
  double linePitch = 0;
  Font font;
  HAlign hAlign = HAlign::Left;
  double gapX = 0;
  // Pictures.
  QImage image;
  bool centre = true;
  // Lines: from rect's top-left to its bottom-right corner, in frame, frameWidth thick.
  bool arrowStart = false, arrowEnd = false;
  double arrowLength = 0, arrowWidth = 0;

  QString text() const { return lines.join(QLatin1Char('\n')); }
};

struct PreparedBand {
  QString name;
  double top = 0;     // units from the paper's top
  double height = 0;  // of the piece on this page
};

struct PreparedPage {
  QPageSize::PageSizeId paper = QPageSize::A4;
  QPageLayout::Orientation orientation = QPageLayout::Portrait;
  QSizeF size;  // units
  std::vector<PreparedBand> bands;
  std::vector<PreparedItem> items;

  // The items named `name` on this page (a split memo has at most one per page).
  const PreparedItem* find(const QString& name) const;
  const PreparedBand* band(const QString& name) const;
};

class Report {
 public:
  explicit Report(QString name);
  ~Report();
  Report(const Report&) = delete;
  Report& operator=(const Report&) = delete;

  const QString& name() const { return name_; }

  // A page of `paper` in `orientation`, with margins of 10 mm on every side.
  Page& addPage(const QString& name, QPageLayout::Orientation orientation = QPageLayout::Portrait,
                QPageSize::PageSizeId paper = QPageSize::A4);
  // A data page (see Page::dataPage), taking its index in the list of pages.
  Page& addDataPage(const QString& name);
  Page& page(int index);  // throws when there is none
  int pageCount() const { return static_cast<int>(pages_.size()); }

  // Finding objects by name across every page and band: null when there is none,
  // or, with the reference forms, a ReportError.
  Object* findObject(const QString& name) const;
  Band* findBand(const QString& name) const;
  Memo& memo(const QString& name) const;
  Picture& picture(const QString& name) const;
  Band& band(const QString& name) const;

  // Lays the template out into pages, dropping any earlier preparation.
  void prepare();
  bool prepared() const { return prepared_; }
  const std::vector<PreparedPage>& preparedPages() const { return preparedPages_; }
  QDateTime preparedAt() const { return preparedAt_; }

  // Prints the prepared report: the print dialog (through the dialog host) lets the
  // user choose printer and copies or cancel. Returns false when cancelled.
  bool print(QWidget* parent);
  // Shows the prepared report in the print preview (through the dialog host).
  void preview(QWidget* parent);
  // Writes the prepared report into a PDF file.
  void exportPdf(const QString& path);
  // Draws the prepared pages on a printer already set up (print, preview and PDF
  // use it); pages fromPage..toPage (1-based) when the printer asks for a range; the
  // range `copies` times over, one copy after the other.
  void render(QPrinter& printer, int copies = 1);

 private:
  void requirePrepared() const;
  void setUpPrinter(QPrinter& printer) const;

  QString name_;
  std::vector<std::unique_ptr<Page>> pages_;
  std::vector<PreparedPage> preparedPages_;
  QDateTime preparedAt_;
  bool prepared_ = false;
};

// The line pitch of a memo font (units): the font's line spacing at 96 dpi.
double linePitch(const Font& font);
// The line pitch of a memo: its own line height, else its font's.
double linePitch(const Memo& memo);

// Draws one prepared page with `painter`, whose coordinates are report units from
// the paper's top-left corner (the caller scales the painter).
void drawPage(QPainter& painter, const PreparedPage& page);

}  // namespace platform::report
