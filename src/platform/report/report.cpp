#include "platform/report/report.h"

#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QLocale>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QTimer>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QScreen>
#include <algorithm>
#include <cmath>
#include <optional>

#include "platform/clock.h"
#include "platform/dialogs.h"

namespace platform::report {

namespace {

constexpr double kEps = 0.01;

// The font of a memo on a device of `dpi` dots per inch whose painter is scaled so
// that one unit is 1/96 inch: the point size is given in device terms so that the
// glyphs come out at points/72 inch on paper.
QFont qFont(const Font& f, double dpi) {
  QFont font(fontFamily(f.family));
  font.setPointSizeF(f.points * 96.0 / dpi);
  font.setBold(f.bold);
  font.setHintingPreference(QFont::PreferNoHinting);
  font.setKerning(false);
  return font;
}

// A 96-dpi reference device for measuring.
const QImage& referenceDevice() {
  static const QImage image = [] {
    QImage img(1, 1, QImage::Format_RGB32);
    img.setDotsPerMeterX(3780);  // 96 dpi
    img.setDotsPerMeterY(3780);
    return img;
  }();
  return image;
}

QString notFound(const QString& what, const QString& name, const QString& report) {
  return QStringLiteral("%1 \"%2\" not found in report \"%3\".").arg(what, name, report);
}

// The positions of a memo's lines within its container (band or page area): the
// top of the first line, following the vertical alignment.
double firstLineTop(const Memo& m, double pitch) {
  const QRectF r = m.rect();
  const double textHeight = m.lines.size() * pitch;
  switch (m.vAlign) {
    case VAlign::Top: return r.top() + m.gapY;
    case VAlign::Centre: return r.top() + (r.height() - textHeight) / 2;
    case VAlign::Bottom: return r.bottom() - m.gapY - textHeight;
  }
  return r.top();
}

// A memo's lines as laid out in its container. A line counts as being at its top,
// or at the memo's top for a line that starts above the memo (centred text taller
// than its box); lines starting below the box are never shown (but the first).
struct MemoLines {
  explicit MemoLines(const Memo& memo)
      : m(memo), pitch(linePitch(memo)), y0(firstLineTop(memo, pitch)) {
    const int n = static_cast<int>(memo.lines.size());
    shown = n == 0 ? 0 : std::max(1, firstAtOrAfter(memo.rect().bottom(), n));
  }
  double key(int i) const { return std::max(y0 + i * pitch, m.rect().top()); }
  double lineBottom(int i) const { return y0 + (i + 1) * pitch; }
  // The first line whose place is at or after y (within kEps), among the first
  // `count`; `count` when none. Places only grow down the memo, so a binary search.
  int firstAtOrAfter(double y, int count) const {
    int lo = 0, hi = count;
    while (lo < hi) {
      const int mid = lo + (hi - lo) / 2;
      if (key(mid) >= y - kEps) hi = mid;
      else lo = mid + 1;
    }
    return lo;
  }
  int firstAtOrAfter(double y) const { return firstAtOrAfter(y, shown); }

  const Memo& m;
  double pitch;
  double y0;
  int shown = 0;
};

// Lays one page template out into prepared pages.
class PageLayout {
 public:
  PageLayout(const Page& page, std::vector<PreparedPage>& out, const QDateTime& at)
      : page_(page), out_(out), at_(at) {
    const QSizeF paper = page.paperSize();
    left_ = mm(page.margins.left());
    top_ = mm(page.margins.top());
    bottom_ = paper.height() - mm(page.margins.bottom());
  }

  void run() {
    firstPage_ = out_.size();
    newPage();
    for (const auto& obj : page_.objects()) emitObject(*obj, left_, top_, -1e9, 1e9);
    for (const auto& band : page_.bands()) placeBand(*band);
  }

 private:
  void newPage() {
    PreparedPage p;
    p.paper = page_.paper;
    p.orientation = page_.orientation;
    p.size = page_.paperSize();
    out_.push_back(std::move(p));
    cursor_ = top_;
  }
  PreparedPage& current() { return out_.back(); }
  bool pageFresh() const { return cursor_ <= top_ + kEps; }

  QString expanded(const Memo& m, const QString& line) const {
    if (!m.expressions) return line;
    QString out = line;
    out.replace(QLatin1String("[DATE]"), dateText(at_.date()));
    out.replace(QLatin1String("[TIME]"), timeText(at_.time()));
    return out;
  }

  // Puts the piece [a, b) of a container's objects (container coordinates) on the
  // current page, the container's origin at (x0, y0 + ... ) so that container y = a
  // lands at page y = top.
  void emitObject(const Object& obj, double x0, double top, double a, double b) {
    const QRectF r = obj.rect();
    PreparedItem item;
    item.kind = obj.kind();
    item.name = obj.name();
    item.fill = obj.fill;
    item.frame = obj.frame;
    item.frameWidth = obj.frameWidth;
    const double shift = top - std::max(a, -1e8);
    auto toPage = [&](double y) { return a < -1e8 ? top + y : shift + y; };

    if (obj.kind() != Object::Kind::Memo) {
      // Pictures and shapes are not split: they go with the piece holding their top.
      if (r.top() < a - kEps || r.top() >= b - kEps) return;
      item.rect = QRectF(x0 + r.left(), toPage(r.top()), r.width(), r.height());
      if (obj.kind() == Object::Kind::Picture) {
        const auto& pic = static_cast<const Picture&>(obj);
        item.image = pic.image;
        item.centre = pic.centre;
      } else if (obj.kind() == Object::Kind::Line) {
        const auto& line = static_cast<const Line&>(obj);
        item.arrowStart = line.arrowStart;
        item.arrowEnd = line.arrowEnd;
        item.arrowLength = line.arrowLength;
        item.arrowWidth = line.arrowWidth;
      }
      current().items.push_back(std::move(item));
      return;
    }

    const auto& m = static_cast<const Memo&>(obj);
    const MemoLines lines(m);
    const double clipTop = std::max(r.top(), a);
    const double clipBottom = std::min(r.bottom(), b);
    const bool holdsTop = r.top() >= a - kEps && r.top() < b - kEps;
    if (clipBottom <= clipTop + kEps && !holdsTop) return;

    const int first = lines.firstAtOrAfter(a);
    const int last = lines.firstAtOrAfter(b);
    item.lines.reserve(std::max(0, last - first));
    for (int i = first; i < last; ++i) item.lines << expanded(m, m.lines[i]);
    const double pitch = lines.pitch;
    const double y0 = lines.y0;
    item.rect = QRectF(x0 + r.left(), toPage(clipTop), r.width(), std::max(0.0, clipBottom - clipTop));
    item.textTop = toPage(y0 + first * pitch);
    item.linePitch = pitch;
    item.font = m.font;
    item.hAlign = m.hAlign;
    item.gapX = m.gapX;
    current().items.push_back(std::move(item));
  }

  void emitPiece(const Band& band, double a, double b) {
    const double top = cursor_;
    current().bands.push_back({band.name(), top, b - a});
    for (const auto& obj : band.objects()) emitObject(*obj, left_, top, a, b);
    cursor_ += b - a;
  }

  // The container y where the piece starting at `offset` must end so that no line
  // of a memo is cut, at most `limit`.
  double cutPoint(const Band& band, double offset, double limit) const {
    double cut = limit;
    for (const auto& obj : band.objects()) {
      if (obj->kind() != Object::Kind::Memo) continue;
      const MemoLines lines(static_cast<const Memo&>(*obj));
      // Lines are evenly spaced: only the last one starting before the cut can cross it.
      const int j = lines.firstAtOrAfter(cut) - 1;
      if (j >= lines.firstAtOrAfter(offset) && lines.lineBottom(j) > cut + kEps)
        cut = lines.key(j);  // this line moves on whole
    }
    return cut;
  }

  // Whether anything is left to print of a band below container y `cut`.
  bool contentBelow(const Band& band, double cut) const {
    for (const auto& obj : band.objects()) {
      if (obj->kind() != Object::Kind::Memo) {
        if (obj->rect().top() >= cut - kEps) return true;
        continue;
      }
      const auto& m = static_cast<const Memo&>(*obj);
      if (m.rect().top() >= cut - kEps && (m.fill.isValid() || m.frame.isValid())) return true;
      const MemoLines lines(m);
      if (lines.firstAtOrAfter(cut) < lines.shown) return true;
    }
    return false;
  }

  void placeBand(const Band& band) {
    if (band.kind() == BandKind::ReportTitle && out_.size() > firstPage_ + 1) return;  // first page only
    double offset = 0;
    for (int guard = 0; guard < 100000; ++guard) {
      const double remaining = band.height() - offset;
      const double space = bottom_ - cursor_;
      if (remaining <= space + kEps) {
        emitPiece(band, offset, band.height());
        return;
      }
      if (!band.allowSplit || space <= kEps) {
        if (pageFresh()) {  // taller than a whole page: what does not fit is cut off
          emitPiece(band, offset, band.height());
          return;
        }
        newPage();
        continue;
      }
      double cut = cutPoint(band, offset, offset + space);
      if (cut <= offset + kEps) {
        if (!pageFresh()) {
          newPage();
          continue;
        }
        cut = offset + space;  // one line taller than a page: cut it
      }
      emitPiece(band, offset, cut);
      offset = cut;
      // A split band's empty tail never opens a page of its own.
      if (!contentBelow(band, cut)) return;
      newPage();
    }
  }

  const Page& page_;
  std::vector<PreparedPage>& out_;
  QDateTime at_;
  double left_ = 0, top_ = 0, bottom_ = 0;
  double cursor_ = 0;
  std::size_t firstPage_ = 0;
};

Qt::Alignment qAlign(HAlign h) {
  switch (h) {
    case HAlign::Left: return Qt::AlignLeft;
    case HAlign::Centre: return Qt::AlignHCenter;
    case HAlign::Right: return Qt::AlignRight;
  }
  return Qt::AlignLeft;
}

void drawFrame(QPainter& painter, const PreparedItem& item) {
  if (!item.frame.isValid()) return;
  QPen pen(item.frame);
  pen.setWidthF(item.frameWidth);
  pen.setJoinStyle(Qt::MiterJoin);
  painter.setPen(pen);
  painter.setBrush(Qt::NoBrush);
  const double h = item.frameWidth / 2;
  painter.drawRect(item.rect.adjusted(h, h, -h, -h));
}

// A line with its arrowheads: each a filled triangle whose point is the line's end;
// the line itself stops at the triangle's base (at most half way along).
void drawLine(QPainter& painter, const PreparedItem& item) {
  const QPointF from = item.rect.topLeft(), to = item.rect.bottomRight();
  const double length = QLineF(from, to).length();
  if (length <= 0 || !item.frame.isValid()) return;
  const QPointF along = (to - from) / length;
  const QPointF across(-along.y(), along.x());
  const double head = std::min(item.arrowLength, length / 2);
  QPen pen(item.frame);
  pen.setWidthF(item.frameWidth);
  pen.setCapStyle(Qt::FlatCap);
  painter.setPen(pen);
  painter.setBrush(Qt::NoBrush);
  painter.drawLine(item.arrowStart ? from + along * head : from, item.arrowEnd ? to - along * head : to);
  painter.setPen(Qt::NoPen);
  painter.setBrush(item.frame);
  auto arrowhead = [&](QPointF point, QPointF back) {
    const QPointF base = point + back * head;
    const QPointF points[] = {point, base + across * item.arrowWidth, base - across * item.arrowWidth};
    painter.drawPolygon(points, 3);
  };
  if (item.arrowStart) arrowhead(from, along);
  if (item.arrowEnd) arrowhead(to, -along);
}

void drawImage(QPainter& painter, const PreparedItem& item, double dpi) {
  if (item.image.isNull() || item.rect.isEmpty()) return;
  QSizeF size = item.image.size();
  size.scale(item.rect.size(), Qt::KeepAspectRatio);
  QRectF target(item.rect.topLeft(), size);
  if (item.centre) target.moveCenter(item.rect.center());
  // No more detail than 300 dpi on paper: a large photo would swell the print job.
  const double maxDots = std::min(dpi, 300.0) / 96.0;
  QImage image = item.image;
  const QSize limit(std::max(1, int(std::ceil(target.width() * maxDots))),
                    std::max(1, int(std::ceil(target.height() * maxDots))));
  if (image.width() > limit.width() || image.height() > limit.height())
    image = image.scaled(limit, Qt::KeepAspectRatio, Qt::SmoothTransformation);
  painter.drawImage(target, image);
}

// The system's long time format without its time-zone part.
QString systemTimeFormat() {
  const QString f = QLocale::system().timeFormat(QLocale::LongFormat);
  QString out;
  bool quoted = false;
  for (QChar c : f) {
    if (c == QLatin1Char('\'')) quoted = !quoted;
    if (!quoted && c == QLatin1Char('t')) continue;
    out += c;
  }
  return out.trimmed().isEmpty() ? QStringLiteral("HH:mm:ss") : out.trimmed();
}

}  // namespace

ReportError::ReportError(const QString& message) : std::runtime_error(message.toStdString()) {}
QString ReportError::message() const { return QString::fromStdString(what()); }

QString fontFamily(const QString& designFamily) {
  if (designFamily.compare(QLatin1String("Courier New"), Qt::CaseInsensitive) == 0)
    return QStringLiteral("Liberation Mono");
  if (designFamily.compare(QLatin1String("Arial"), Qt::CaseInsensitive) == 0)
    return QStringLiteral("Liberation Sans");
  if (designFamily.compare(QLatin1String("Verdana"), Qt::CaseInsensitive) == 0 ||
      designFamily.compare(QLatin1String("Tahoma"), Qt::CaseInsensitive) == 0)
    return QStringLiteral("DejaVu Sans");
  return designFamily;
}

QString dateText(const QDate& date) { return date.toString(QStringLiteral("dd/MM/yyyy")); }

QString timeText(const QTime& time) { return QLocale::system().toString(time, systemTimeFormat()); }

double linePitch(const Font& font) {
  const QImage& ref = referenceDevice();
  return QFontMetricsF(qFont(font, ref.logicalDpiY()), &ref).lineSpacing();
}

double linePitch(const Memo& memo) { return memo.lineHeight > 0 ? memo.lineHeight : linePitch(memo.font); }

// --- template ---------------------------------------------------------------

void Memo::setText(const QString& text) {
  QString t = text;
  t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  lines = t.isEmpty() ? QStringList() : t.split(QLatin1Char('\n'));
}

Memo& Container::addMemo(const QString& name, const QRectF& rect) {
  objects_.push_back(std::make_unique<Memo>(name, rect));
  return static_cast<Memo&>(*objects_.back());
}
Picture& Container::addPicture(const QString& name, const QRectF& rect) {
  objects_.push_back(std::make_unique<Picture>(name, rect));
  return static_cast<Picture&>(*objects_.back());
}
Shape& Container::addShape(const QString& name, const QRectF& rect) {
  objects_.push_back(std::make_unique<Shape>(name, rect));
  return static_cast<Shape&>(*objects_.back());
}
Line& Container::addLine(const QString& name, const QRectF& rect) {
  objects_.push_back(std::make_unique<Line>(name, rect));
  return static_cast<Line&>(*objects_.back());
}
Object* Container::find(const QString& name) const {
  for (const auto& o : objects_)
    if (o->name() == name) return o.get();
  return nullptr;
}

Band& Page::addBand(BandKind kind, const QString& name, double height) {
  bands_.push_back(std::make_unique<Band>(kind, name, height));
  return *bands_.back();
}

QSizeF Page::paperSize() const {
  QSizeF s = QPageSize(paper).size(QPageSize::Millimeter);
  if (orientation == QPageLayout::Landscape) s.transpose();
  return s * kUnitsPerMm;
}

const PreparedItem* PreparedPage::find(const QString& name) const {
  for (const auto& i : items)
    if (i.name == name) return &i;
  return nullptr;
}
const PreparedBand* PreparedPage::band(const QString& name) const {
  for (const auto& b : bands)
    if (b.name == name) return &b;
  return nullptr;
}

Report::Report(QString name) : name_(std::move(name)) {}
Report::~Report() = default;

Page& Report::addPage(const QString& name, QPageLayout::Orientation orientation, QPageSize::PageSizeId paper) {
  pages_.push_back(std::make_unique<Page>(name));
  Page& page = *pages_.back();
  page.orientation = orientation;
  page.paper = paper;
  return page;
}

Page& Report::addDataPage(const QString& name) {
  Page& page = addPage(name);
  page.dataPage = true;
  return page;
}

Page& Report::page(int index) {
  if (index < 0 || index >= pageCount())
    throw ReportError(QStringLiteral("Page %1 not found in report \"%2\".").arg(index + 1).arg(name_));
  return *pages_[index];
}

Object* Report::findObject(const QString& name) const {
  for (const auto& p : pages_) {
    if (Object* o = p->find(name)) return o;
    for (const auto& b : p->bands())
      if (Object* o = b->find(name)) return o;
  }
  return nullptr;
}

Band* Report::findBand(const QString& name) const {
  for (const auto& p : pages_)
    for (const auto& b : p->bands())
      if (b->name() == name) return b.get();
  return nullptr;
}

Memo& Report::memo(const QString& name) const {
  Object* o = findObject(name);
  if (!o || o->kind() != Object::Kind::Memo) throw ReportError(notFound(QStringLiteral("Memo"), name, name_));
  return static_cast<Memo&>(*o);
}

Picture& Report::picture(const QString& name) const {
  Object* o = findObject(name);
  if (!o || o->kind() != Object::Kind::Picture)
    throw ReportError(notFound(QStringLiteral("Picture"), name, name_));
  return static_cast<Picture&>(*o);
}

Band& Report::band(const QString& name) const {
  Band* b = findBand(name);
  if (!b) throw ReportError(notFound(QStringLiteral("Band"), name, name_));
  return *b;
}

void Report::prepare() {
  preparedPages_.clear();
  prepared_ = false;
  preparedAt_ = platform::now();
  for (const auto& p : pages_)
    if (!p->dataPage) PageLayout(*p, preparedPages_, preparedAt_).run();
  prepared_ = true;
}

void Report::requirePrepared() const {
  if (!prepared_ || preparedPages_.empty())
    throw ReportError(QStringLiteral("Report \"%1\" has not been prepared.").arg(name_));
}

// --- output -------------------------------------------------------------------

void Report::setUpPrinter(QPrinter& printer) const {
  printer.setDocName(name_);
  printer.setCreator(QStringLiteral("Velmora 4.0"));
  printer.setFullPage(true);  // our positions are from the paper's corner
  const PreparedPage& first = preparedPages_.front();
  printer.setPageLayout(QPageLayout(QPageSize(first.paper), first.orientation, QMarginsF(0, 0, 0, 0),
                                    QPageLayout::Millimeter));
}

void drawPage(QPainter& painter, const PreparedPage& page) {
  const double dpi = painter.device() ? painter.device()->logicalDpiY() : 96.0;
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setRenderHint(QPainter::TextAntialiasing, true);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
  for (const PreparedItem& item : page.items) {
    painter.save();
    if (item.kind == Object::Kind::Line) {
      drawLine(painter, item);
      painter.restore();
      continue;
    }
    const bool filled = item.fill.isValid() || item.kind == Object::Kind::Picture;
    if (filled && !item.rect.isEmpty())
      painter.fillRect(item.rect, item.fill.isValid() ? item.fill : QColor(Qt::white));
    if (item.kind == Object::Kind::Picture) {
      painter.setClipRect(item.rect, Qt::IntersectClip);
      drawImage(painter, item, dpi);
      painter.setClipping(false);
    } else if (item.kind == Object::Kind::Memo && !item.lines.isEmpty()) {
      painter.setClipRect(item.rect, Qt::IntersectClip);
      painter.setFont(qFont(item.font, dpi));
      painter.setPen(item.font.color);
      const Qt::Alignment align = qAlign(item.hAlign) | Qt::AlignVCenter;
      for (int j = 0; j < item.lines.size(); ++j) {
        const QRectF line(item.rect.left() + item.gapX, item.textTop + j * item.linePitch,
                          item.rect.width() - 2 * item.gapX, item.linePitch);
        painter.drawText(line, int(align | Qt::TextSingleLine | Qt::TextDontClip), item.lines[j]);
      }
      painter.setClipping(false);
    }
    drawFrame(painter, item);
    painter.restore();
  }
}

void Report::render(QPrinter& printer, int copies) {
  requirePrepared();
  const int count = static_cast<int>(preparedPages_.size());
  int from = 1, to = count;
  if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
    from = std::max(1, printer.fromPage());
    to = std::min(count, printer.toPage() > 0 ? printer.toPage() : count);
  }
  QPainter painter;
  if (!painter.begin(&printer)) {
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty())
      throw ReportError(QStringLiteral("Cannot create the file \"%1\".").arg(printer.outputFileName()));
    throw ReportError(QStringLiteral("Printer \"%1\" is not available.").arg(printer.printerName()));
  }
  const double scale = printer.logicalDpiY() / 96.0;
  for (int copy = 1; copy <= copies; ++copy) {
    for (int i = from; i <= to; ++i) {
      if ((copy > 1 || i > from) && !printer.newPage()) {
        painter.end();
        throw ReportError(QStringLiteral("Printing of \"%1\" failed at page %2.").arg(name_).arg(i));
      }
      painter.save();
      painter.scale(scale, scale);
      drawPage(painter, preparedPages_[i - 1]);
      painter.restore();
    }
  }
  if (!painter.end())
    throw ReportError(QStringLiteral("Printing of \"%1\" failed.").arg(name_));
}

bool Report::print(QWidget* parent) {
  requirePrepared();
  QPrinter printer(QPrinter::HighResolution);
  setUpPrinter(printer);
  if (!dialogHost().printDialog(printer, parent)) return false;
  setUpPrinter(printer);  // the paper is the template's, whatever printer was chosen
  // A printer makes the copies itself; a file gets them as pages, one copy after the
  // other, or would hold one copy only.
  int copies = 1;
  if (!printer.outputFileName().isEmpty()) {
    copies = std::max(1, printer.copyCount());
    printer.setCopyCount(1);
  }
  render(printer, copies);
  return true;
}

namespace {

// The preview opens at most as large as the screen's available area, title bar and
// frame included, centred in it; the page inside stays at 100 %.
void fitPreview(QDialog& dialog, QWidget* parent) {
  QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect area = screen->availableGeometry();
  auto place = [&dialog, area](QSize frame) {
    // frame: what the window manager adds around the client area.
    const QSize client(std::min(area.width() - frame.width(), 1000), std::min(area.height() - frame.height(), 900));
    dialog.resize(client);
    dialog.move(area.x() + (area.width() - client.width() - frame.width()) / 2,
                area.y() + (area.height() - client.height() - frame.height()) / 2);
  };
  // A first guess before the frame is known, corrected once the window manager has
  // framed the window.
  place(QSize(16, 48));
  QTimer::singleShot(0, &dialog, [&dialog, area, place] {
    const QRect frame = dialog.frameGeometry();
    const QRect client = dialog.geometry();
    if (area.contains(frame)) return;
    place(QSize(frame.width() - client.width(), frame.height() - client.height()));
  });
}

}  // namespace

void Report::preview(QWidget* parent) {
  requirePrepared();
  QPrinter printer(QPrinter::HighResolution);
  setUpPrinter(printer);
  QPrintPreviewDialog dialog(&printer, parent);
  std::optional<QString> failure;
  QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [this, &failure](QPrinter* p) {
    try {
      render(*p);
    } catch (const std::exception& e) {
      if (!failure) failure = QString::fromStdString(e.what());
    }
  });
  if (auto* widget = dialog.findChild<QPrintPreviewWidget*>()) widget->setZoomFactor(1.0);
  fitPreview(dialog, parent);
  dialogHost().showModal(dialog);
  if (failure) throw ReportError(*failure);
}

void Report::exportPdf(const QString& path) {
  requirePrepared();
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(path);
  setUpPrinter(printer);
  render(printer);
}

}  // namespace platform::report
