#include "kit/canvas_print.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <cmath>
#include <optional>

#include "core/print_copies.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/qtext.h"
#include "platform/report/report.h"

namespace kit {

namespace {

DocumentHook& documentHook() {
  static DocumentHook hook;
  return hook;
}

QString printerFailure(const QPrinter& printer) {
  if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty())
    return QStringLiteral("Cannot create the file \"%1\".").arg(printer.outputFileName());
  return QStringLiteral("Printer \"%1\" is not available.").arg(printer.printerName());
}

QString printingFailed(const QPrinter& printer) {
  return QStringLiteral("Printing on \"%1\" failed.")
      .arg(printer.outputFormat() == QPrinter::PdfFormat ? printer.outputFileName() : printer.printerName());
}

}  // namespace

void setDocumentHook(DocumentHook hook) { documentHook() = std::move(hook); }

int printCopies(QWidget* window, const CanvasPrintSettings& settings, const DrawCopy& draw) {
  if (!platform::question(settings.question, window)) return 0;
  const std::optional<QString> answer = platform::dialogHost().inputBox(
      msg::kCopiesCaption, msg::kCopiesPrompt, msg::kCopiesDefault, window);
  if (!answer) return 0;
  const std::optional<int> copies = core::copiesFromAnswer(platform::toCore(*answer));
  if (!copies) {
    platform::error(msg::notACopyCount(*answer), window);
    return 0;
  }
  if (*copies == 0) return 0;

  QPrinter printer(QPrinter::HighResolution);
  printer.setPageOrientation(settings.orientation);
  printer.setCopyCount(*copies);
  if (!platform::dialogHost().printDialog(printer, window)) return 0;
  // Each copy is a document of its own; the printer is told to print each once.
  const int documents = printer.copyCount();
  printer.setCopyCount(1);
  printer.setPageOrientation(settings.orientation);
  if (settings.dotsPerInch > 0) printer.setResolution(settings.dotsPerInch);

  // One document holding `pages` copies, one a page; false once it has said why it failed.
  auto printDocument = [&](int number, int pages) {
    if (documentHook()) documentHook()(number, printer);
    QPainter painter;
    if (!painter.begin(&printer)) {
      platform::error(printerFailure(printer), window);
      return false;
    }
    for (int page = 1; page <= pages; ++page) {
      if (page > 1 && !printer.newPage()) {
        painter.end();
        platform::error(printingFailed(printer), window);
        return false;
      }
      draw(painter);
    }
    if (!painter.end() || printer.printerState() == QPrinter::Error) {
      platform::error(printingFailed(printer), window);
      return false;
    }
    return true;
  };
  // Printed into a file, the copies are the pages of that one file: a document per
  // copy would write each over the last.
  if (!printer.outputFileName().isEmpty()) return printDocument(1, documents) ? documents : 0;
  for (int i = 1; i <= documents; ++i) {
    if (!printDocument(i, 1)) return i - 1;
  }
  return documents;
}

// ---- The canvas card ------------------------------------------------------------

QFont canvasFont(int points, bool bold, bool underline) {
  QFont font(platform::report::fontFamily(QStringLiteral("Courier New")));
  font.setPointSize(points);
  font.setBold(bold);
  font.setUnderline(underline);
  font.setKerning(false);
  return font;
}

QString canvasFooter(const QDateTime& at) { return printedAtText(at); }

CanvasCard canvasCard(const QWidget* card, const QString& title, std::span<const CardPrintRow> rows) {
  CanvasCard out{title, {}};
  for (const CardPrintRow& row : rows) out.rows.push_back({QString::fromUtf8(row.caption), cardValue(card, row)});
  return out;
}

CanvasCardLayout layoutCanvasCard(const CanvasCard& card, const QString& footer, QPaintDevice& device) {
  CanvasCardLayout out;
  const QFontMetricsF title(canvasFont(14, true, true), &device);
  out.m = static_cast<int>(std::lround(title.size(Qt::TextSingleLine, QStringLiteral("X")).height()));
  out.L = static_cast<int>(std::lround(title.size(Qt::TextSingleLine, QStringLiteral("Y")).height()));
  const int m = out.m, L = out.L;
  const int right = device.width() - m;
  const int bottom = device.height() - 200;
  auto from = [right, bottom](int x, int y) { return QRect(QPoint(x, y), QPoint(right, bottom)); };

  out.texts.push_back({card.title, from(m, L), 14, true, true, true});
  int y = L + 2 * L;
  for (const CanvasRow& row : card.rows) {
    out.texts.push_back({row.label, from(m, y), 12, false, false, false});
    out.texts.push_back({row.value, from(15 * m, y), 12, true, false, false});
    y += 2 * L;
  }
  out.texts.push_back({footer, from(m, y), 12, true, true, false});
  return out;
}

void drawCanvasCard(QPainter& painter, const CanvasCard& card) {
  const CanvasCardLayout layout = layoutCanvasCard(card, canvasFooter(platform::now()), *painter.device());
  painter.setPen(Qt::black);
  painter.setBackgroundMode(Qt::TransparentMode);
  for (const CanvasText& t : layout.texts) {
    painter.setFont(canvasFont(t.points, t.bold, t.underline));
    // Text beyond the rectangle is cut at its edges.
    const int flags = Qt::AlignLeft | Qt::AlignTop | (t.wraps ? Qt::TextWordWrap : Qt::TextSingleLine);
    painter.drawText(t.rect, flags, t.text);
  }
}

int printCanvasCard(QWidget* window, const CanvasCard& card) {
  return printCopies(window, CanvasPrintSettings{}, [&card](QPainter& painter) { drawCanvasCard(painter, card); });
}

}  // namespace kit
