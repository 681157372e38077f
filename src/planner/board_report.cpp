#include "planner/board_report.h"

#include <QLabel>
#include <QLineEdit>

#include "kit/card_print.h"
#include "planner/frm_planning.h"
#include "platform/clock.h"
#include "platform/qtext.h"

namespace planner {

using namespace platform::report;

namespace {

const QColor kLightSteelBlue(0xB0, 0xC4, 0xDE);
const QColor kBeige(0xF5, 0xF5, 0xDC);
const QColor kGold(0xFF, 0xD7, 0x00);

// The grid: day d's column starts 8 mm after day d - 1's, month m's row 6 mm below
// month m - 1's; the rules stand 1 mm before each column.
constexpr double kColumnLeft = 31, kColumnPitch = 8;
constexpr double kRowTop = 12, kRowPitch = 6;
constexpr double kMarkTop = 13, kMarkWidth = 6, kLastMarkWidth = 5.2, kMarkHeight = 4.4;
constexpr double kRuleTop = 7, kRuleLength = 77;

QRectF mmRect(double left, double top, double width, double height) {
  return QRectF(mm(left), mm(top), mm(width), mm(height));
}

// A rectangle with the thin black outline and `fill` (invalid: unfilled).
void addBox(Page& page, const QString& name, const QRectF& rect, const QColor& fill = {}) {
  Shape& s = page.addShape(name, rect);
  s.frame = Qt::black;
  s.frameWidth = 1;
  s.fill = fill;
}

// A memo of the board report: Arial, black, printed as it stands, never wrapped.
Memo& addText(Page& page, const QString& name, const QRectF& rect, double points, HAlign h, VAlign v,
              const QString& text) {
  Memo& m = page.addMemo(name, rect);
  m.font = {QStringLiteral("Arial"), points, false, Qt::black};
  m.hAlign = h;
  m.vAlign = v;
  m.expressions = false;  // "[...]" in a vehicle's text prints literally
  m.gapX = 0;
  m.gapY = 0;
  m.setText(text);
  return m;
}

QString twoDigits(int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); }

// One labelled row of the vehicle: a beige caption box and a white value box.
void addVehicleRow(Page& page, const QString& key, const QString& caption, const QString& memo, double top,
                   double valueWidth) {
  addBox(page, QStringLiteral("shpCap") + key, mmRect(1, top, 29, 6), kBeige);
  addText(page, QStringLiteral("lbl") + key, mmRect(2, top + 0.7, 27, 4.4), 9, HAlign::Left, VAlign::Centre, caption);
  addBox(page, QStringLiteral("shp") + key, mmRect(32, top, valueWidth, 6), Qt::white);
  addText(page, memo, mmRect(33, top + 0.7, valueWidth - 2, 4.4), 9, HAlign::Left, VAlign::Centre, QString());
}

}  // namespace

QString dayMarkName(const BoardDay& day) {
  return QStringLiteral("txt") + QString::fromLatin1(day.suffix.data(), static_cast<qsizetype>(day.suffix.size()));
}

BoardSheet sheetOf(const TfrmPlanning* board) {
  if (!board) throw ReportError(QStringLiteral("The booking board is not available."));
  BoardSheet sheet{.year = board->txtAnno->text(),
                   .veicolo = board->txtVeicolo->text(),
                   .marca = board->txtMarca->text(),
                   .modello = board->txtModello->text(),
                   .targa = board->txtTarga->text()};
  for (const BoardDay& day : boardDays()) sheet.booked[static_cast<std::size_t>(day.index)] = board->isDayBooked(day);
  return sheet;
}

std::unique_ptr<Report> makeBoardReport() {
  auto report = std::make_unique<Report>(kBoardReportName);
  report->addDataPage(QStringLiteral("Data"));
  Page& page = report->addPage(QStringLiteral("Page1"), QPageLayout::Landscape);

  // The rectangles first, so the rules and the texts are drawn over them.
  addBox(page, QStringLiteral("shpTitolo"), mmRect(1, 1, 276, 5.8), kLightSteelBlue);
  addBox(page, QStringLiteral("shpGiorni"), mmRect(1, 7, 276, 4.6));
  for (int m = 1; m <= 12; ++m)
    addBox(page, QStringLiteral("shpMese") + twoDigits(m), mmRect(1, kRowTop + kRowPitch * (m - 1), 276, 6),
           m % 2 == 1 ? kBeige : QColor());
  // The vehicle rows and the footer bar are drawn with their texts below.

  for (int k = 0; k <= 30; ++k)
    page.addLine(QStringLiteral("linColonna") + twoDigits(k + 1),
                 mmRect(kColumnLeft - 1 + kColumnPitch * k, kRuleTop, 0, kRuleLength));

  addText(page, QStringLiteral("txtTitolo"), mmRect(2, 2, 274, 4.2), 9, HAlign::Centre, VAlign::Top,
          QStringLiteral("PLANNER ANNUALE PRENOTAZIONI"));
  for (int d = 1; d <= 31; ++d)
    addText(page, QStringLiteral("tit_") + twoDigits(d),
            mmRect(kColumnLeft + kColumnPitch * (d - 1), 8, d == 31 ? 5.6 : 6, 3.5), 7, HAlign::Centre,
            VAlign::Centre, QString::number(d));
  for (int m = 1; m <= 12; ++m)
    addText(page, QStringLiteral("tit") + QString::fromLatin1(monthCode(m).data(), 3),
            mmRect(2, 12.8 + kRowPitch * (m - 1), 27, 4.4), 9, HAlign::Left, VAlign::Centre,
            platform::fromCore(monthTitle(m)));
  for (const BoardDay& day : boardDays())
    addText(page, dayMarkName(day),
            mmRect(kColumnLeft + kColumnPitch * (day.day - 1), kMarkTop + kRowPitch * (day.month - 1),
                   day.day == 31 ? kLastMarkWidth : kMarkWidth, kMarkHeight),
            9, HAlign::Centre, VAlign::Centre, QStringLiteral("X"));

  addVehicleRow(page, QStringLiteral("Veicolo"), QStringLiteral("Veicolo:"), QStringLiteral("txtVeicolo"), 89, 118);
  addVehicleRow(page, QStringLiteral("Modello"), QStringLiteral("Modello:"), QStringLiteral("txtModello"), 97, 118);
  addVehicleRow(page, QStringLiteral("Targa"), QStringLiteral("Targa:"), QStringLiteral("txtTarga"), 105, 37);

  addBox(page, QStringLiteral("shpCalce"), mmRect(1, 120, 276, 5.8), kGold);
  addText(page, QStringLiteral("txtCalce"), mmRect(2, 121, 274, 4.2), 8, HAlign::Centre, VAlign::Top,
          QStringLiteral("Data e ora stampa"));
  return report;
}

void fillBoardReport(Report& report, const BoardSheet& sheet, const QDateTime& at) {
  report.page(1).orientation = QPageLayout::Landscape;
  report.memo(QStringLiteral("txtTitolo")).setText(QStringLiteral("PLANNER PRENOTAZIONI ANNO ") + platform::trim(sheet.year));
  report.memo(QStringLiteral("txtVeicolo")).setText(platform::trim(sheet.veicolo));
  report.memo(QStringLiteral("txtModello"))
      .setText(platform::trim(sheet.marca) + QLatin1Char(' ') + platform::trim(sheet.modello));
  report.memo(QStringLiteral("txtTarga")).setText(platform::trim(sheet.targa));
  for (const BoardDay& day : boardDays())
    report.memo(dayMarkName(day))
        .setText(sheet.booked[static_cast<std::size_t>(day.index)] ? QStringLiteral("X") : QStringLiteral(" "));
  report.memo(QStringLiteral("txtCalce")).setText(kit::printedAtText(at));
  report.prepare();
}

std::unique_ptr<Report> boardReport(const TfrmPlanning* board) {
  auto report = makeBoardReport();
  fillBoardReport(*report, sheetOf(board), platform::now());
  return report;
}

}  // namespace planner
