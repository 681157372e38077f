#pragma once
// The prints drawn straight on the printer's canvas, without a report template: the
// mileage card, the cost card and the two monthly charts. They share one sequence,
// configured by CanvasPrintSettings and a callback that draws one copy:
//
//   1. a Yes/No question (No stops);
//   2. the copies prompt: the input box "Numero copie da stampare", "Copie:", "1";
//      Cancel stops; an answer empty once trimmed, or not made only of digits as
//      typed, counts as 1 (core::copiesFromAnswer);
//   3. the print dialog opened with that many copies (Cancel stops);
//   4. n := the copies the dialog ends with; the printer's own copy count is set back
//      to 1, so the printer never multiplies what is sent; resolution and orientation
//      as the settings say;
//   5. n separate documents, each begun, drawn by the callback and ended; or, when the
//      printer writes into a file, one document of n pages (n documents would each
//      write over the last).
//
// Failures: digits too large for a number of copies show an error box and print
// nothing; a printer that cannot start or finish a document shows an error box with
// its own message and no later copy is tried. The answer 0 prints nothing, and the
// print dialog is not shown for it: Qt's print dialog cannot hold 0 copies.
//
// The canvas card is the drawing of the two card prints: a title, rows of a label and
// a value, and the footer with the date and time of the print, on one page. Its rows
// are a table of kit::CardPrintRow, the rows of the framed card print.
#include <QDateTime>
#include <QFont>
#include <QPageLayout>
#include <QRect>
#include <QString>
#include <functional>
#include <span>
#include <vector>

#include "kit/card_print.h"
#include "kit/messages.h"

class QPaintDevice;
class QPainter;
class QPrinter;
class QWidget;

namespace kit {

struct CanvasPrintSettings {
  QString question = msg::kPrintCardQuestion;
  QPageLayout::Orientation orientation = QPageLayout::Portrait;
  int dotsPerInch = 1200;  // set on the printer after the dialog
};

// Draws one copy with `painter`, begun on the printer (a new document each time).
using DrawCopy = std::function<void(QPainter& painter)>;

// The whole sequence above. Returns the number of copies printed completely (into a
// file: all of them or none).
int printCopies(QWidget* window, const CanvasPrintSettings& settings, const DrawCopy& draw);

// Seam for tests: runs just before each document is begun, with its 1-based number
// and the printer (a test counts the documents and may send each into a file of its
// own; the printer then stands for one that prints on paper, so that choice is made
// before the hook runs). Empty: none, the default.
using DocumentHook = std::function<void(int document, QPrinter& printer)>;
void setDocumentHook(DocumentHook hook);

// ---- The canvas card ------------------------------------------------------------

struct CanvasRow {
  QString label;
  QString value;
};

struct CanvasCard {
  QString title;
  std::vector<CanvasRow> rows;
};

// The canvas card of `card` as it stands: `title`, and per row its caption as the label
// and its value read from the card as the framed card print reads it (cardValue: a
// control's trimmed text, or several composed, "{txtMarca} {txtModello}"; a check box
// "Sì" or "No"). Throws platform::report::ReportError for a control the card lacks.
CanvasCard canvasCard(const QWidget* card, const QString& title, std::span<const CardPrintRow> rows);

// One text of the card as drawn: left- and top-aligned in `rect`, black, Courier New.
struct CanvasText {
  QString text;
  QRect rect;
  int points = 12;
  bool bold = false;
  bool underline = false;
  bool wraps = false;  // the title wraps in its rectangle; nothing else does
};

// Where everything goes on a page of `device` (device units): m and L are the heights
// of "X" and "Y" in Courier New 14 pt bold underlined, rounded; the title at (m, L);
// each row's label at (m, y) and value at (15 m, y), y from 3 L in steps of 2 L; the
// footer at (m, y) after the last row. Every rectangle reaches to page width - m and
// page height - 200.
struct CanvasCardLayout {
  int m = 0;
  int L = 0;
  std::vector<CanvasText> texts;  // title, then label and value of each row, then footer
};
CanvasCardLayout layoutCanvasCard(const CanvasCard& card, const QString& footer, QPaintDevice& device);

// "Stampa eseguita in data " + dd/mm/yyyy + " alle ore " + the time in the system's format.
QString canvasFooter(const QDateTime& at);

// The font of a canvas text.
QFont canvasFont(int points, bool bold, bool underline);

// Draws the card on the painter's device, the footer with the time now.
void drawCanvasCard(QPainter& painter, const CanvasCard& card);

// The card print: the sequence above with the card question, portrait, 1200 dpi,
// each copy drawn by drawCanvasCard. Returns the documents printed.
int printCanvasCard(QWidget* window, const CanvasCard& card);

}  // namespace kit
