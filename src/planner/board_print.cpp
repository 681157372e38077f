#include "planner/board_print.h"

#include <QFont>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>

#include "planner/board_report.h"
#include "planner/frm_planning.h"
#include "planner/frm_riep_prenotazioni.h"
#include "platform/report/report.h"
#include "platform/widgets.h"

namespace planner {

const QString kPrintHeading = QStringLiteral("Stampa scheda corrente");
const QString kPrintText =
    QStringLiteral("L'operazione consente di stampare su carta la scheda corrente con i dati inseriti.");
const QString kPrintStart =
    QStringLiteral("Premere Stampa per avviare la stampa del documento oppure Annulla per annullare l'operazione.");
const QString kPreviewHeading = QStringLiteral("Anteprima di stampa");
const QString kPreviewText =
    QStringLiteral("L'operazione consente di visualizzare in anteprima i dati che appariranno in stampa.");
const QString kPreviewStart = QStringLiteral(
    "Fare clic su Mostra anteprima per vedere il documento a video prima di stamparlo su carta.");

namespace {

const QColor kBlue(0x42, 0x7A, 0xA8);
const QColor kInk(0x30, 0x30, 0x30);

QPixmap blank(int width, int height) {
  QPixmap pm(width, height);
  pm.fill(Qt::white);
  return pm;
}

// A person seated, reading a sheet, in `r`.
void drawReader(QPainter& p, const QRectF& r) {
  const double w = r.width(), h = r.height();
  auto at = [&](double x, double y) { return QPointF(r.left() + x * w, r.top() + y * h); };
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0xF0, 0xC8, 0xA0));
  p.drawEllipse(at(0.5, 0.14), w * 0.2, w * 0.2);  // head
  p.setBrush(kBlue);
  QPainterPath body;
  body.moveTo(at(0.2, 0.62));
  body.quadTo(at(0.2, 0.3), at(0.5, 0.3));
  body.quadTo(at(0.8, 0.3), at(0.8, 0.62));
  body.closeSubpath();
  p.drawPath(body);
  p.setBrush(QColor(0x55, 0x55, 0x66));
  p.drawRect(QRectF(at(0.25, 0.62), at(0.75, 0.97)));  // legs
  // The sheet held in front.
  p.setPen(QPen(QColor(0x90, 0x90, 0x90), 1));
  p.setBrush(Qt::white);
  p.drawRect(QRectF(at(0.1, 0.4), at(0.62, 0.66)));
  p.setPen(QPen(QColor(0xB0, 0xB0, 0xB0), 1));
  for (double y : {0.46, 0.52, 0.58}) p.drawLine(at(0.16, y), at(0.56, y));
}

// A printer with a sheet coming out, in `r`.
void drawPrinter(QPainter& p, const QRectF& r) {
  const double w = r.width(), h = r.height();
  auto at = [&](double x, double y) { return QPointF(r.left() + x * w, r.top() + y * h); };
  p.setPen(QPen(QColor(0x90, 0x90, 0x90), 1));
  p.setBrush(Qt::white);
  p.drawRect(QRectF(at(0.25, 0.02), at(0.75, 0.4)));  // the sheet fed in
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x5A, 0x5F, 0x66));
  p.drawRoundedRect(QRectF(at(0.04, 0.3), at(0.96, 0.72)), 5, 5);
  p.setBrush(QColor(0x3A, 0x3F, 0x46));
  p.drawRect(QRectF(at(0.18, 0.62), at(0.82, 0.7)));
  p.setBrush(QColor(0x7C, 0xD9, 0x6B));
  p.drawEllipse(at(0.86, 0.4), w * 0.03, w * 0.03);
  p.setPen(QPen(QColor(0x90, 0x90, 0x90), 1));
  p.setBrush(Qt::white);
  p.drawRect(QRectF(at(0.22, 0.66), at(0.78, 0.98)));  // the printed sheet
  p.setPen(QPen(kBlue, 1.5));
  for (double y : {0.74, 0.81, 0.88}) p.drawLine(at(0.3, y), at(0.7, y));
}

void drawMagnifier(QPainter& p, const QPointF& centre, double radius) {
  p.setPen(QPen(QColor(0x40, 0x40, 0x40), radius * 0.35, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(centre + QPointF(radius * 0.7, radius * 0.7), centre + QPointF(radius * 1.7, radius * 1.7));
  p.setPen(QPen(QColor(0x40, 0x40, 0x40), radius * 0.2));
  p.setBrush(QColor(0xCC, 0xE6, 0xFF, 0xB0));
  p.drawEllipse(centre, radius, radius);
}

QFont pictureFont(int pixels, bool bold) {
  QFont f(platform::report::fontFamily(QStringLiteral("Verdana")));
  f.setPixelSize(pixels);
  f.setBold(bold);
  return f;
}

QLabel* textPicture(QWidget* parent, const QString& name, const QString& text, const QRect& geometry) {
  auto* l = platform::namedLabel(parent, name, text, geometry);
  l->setWordWrap(true);
  l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  l->setTextFormat(Qt::PlainText);
  return l;
}

QLabel* picture(QWidget* parent, const QString& name, const QPixmap& pixmap, const QRect& geometry) {
  auto* l = platform::namedLabel(parent, name, QString(), geometry);
  l->setPixmap(pixmap);
  l->setAlignment(Qt::AlignCenter);
  return l;
}

// Places in the window, and the panel's origin they are counted from.
constexpr QPoint kPanel(18, 18);
QRect onPanel(int x, int y, int width, int height) { return QRect(x - kPanel.x(), y - kPanel.y(), width, height); }

}  // namespace

QPixmap readerPicture(int width, int height) {
  QPixmap pm = blank(width, height);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  drawReader(p, QRectF(2, 2, width - 4, height - 4));
  return pm;
}

QPixmap printerPicture(int width, int height, bool magnifier) {
  QPixmap pm = blank(width, height);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  drawPrinter(p, QRectF(2, 2, width - 4, height - 4));
  if (magnifier) drawMagnifier(p, QPointF(width * 0.62, height * 0.72), height * 0.16);
  return pm;
}

QPixmap previewPicture(int width, int height) {
  QPixmap pm = blank(width, height);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(kBlue);
  p.setFont(pictureFont(15, true));
  p.drawText(QRectF(0, 2, width, 22), Qt::AlignCenter, kPreviewHeading);
  p.setPen(kInk);
  p.setFont(pictureFont(11, false));
  p.drawText(QRectF(8, 28, width - 16, 34), Qt::AlignCenter | Qt::TextWordWrap, kPreviewText);
  drawReader(p, QRectF(40, 66, 56, 86));
  drawPrinter(p, QRectF(150, 70, 100, 80));
  drawMagnifier(p, QPointF(222, 128), 14);
  p.setPen(kInk);
  p.drawText(QRectF(8, height - 36, width - 16, 34), Qt::AlignCenter | Qt::TextWordWrap, kPreviewStart);
  return pm;
}

kit::CardPrintSettings boardPrintSettings(kit::CardPrintOutput output) {
  const bool preview = output == kit::CardPrintOutput::Preview;
  return {
      .dialogClass = preview ? QStringLiteral("TfrmAnteprimaPlanning") : QStringLiteral("TfrmStampaPlanning"),
      .caption = preview ? QStringLiteral(" Anteprima di stampa") : QStringLiteral(" Stampa scheda corrente"),
      .action = preview ? QStringLiteral("Mostra anteprima") : QStringLiteral("Stampa"),
      .output = output,
      // No warning of its own: the failure's message, and the window stays open.
      .failure = QString(),
      .reportName = kBoardReportName,
      .picture = [] { return QPixmap(); },
      // Always the program's one board, whoever owns the window.
      .report = [](QWidget*) { return boardReport(bookingBoard()); },
  };
}

BoardPrintDialog::BoardPrintDialog(QWidget* owner, kit::CardPrintSettings settings)
    : kit::CardPrintDialog(owner, std::move(settings)) {
  shpSfondo = imgLogo01->parentWidget();
  shpSfondo->setObjectName(QStringLiteral("shpSfondo"));
  shpSfondo->setGeometry(QRect(kPanel, QSize(326, 215)));
  imgLogo01->setGeometry(0, 0, 0, 0);
  btnAnnulla->setGeometry(18, 243, 137, 28);
  btnStampa->setGeometry(208, 243, 137, 28);
  for (QPushButton* b : {btnAnnulla, btnStampa}) {
    b->setFont(QFont(QStringLiteral("Verdana"), 9));
    b->setCursor(Qt::PointingHandCursor);
  }
}

void BoardPrintDialog::paintEvent(QPaintEvent*) { platform::paintGradient(this, platform::kSteelBlue); }

}  // namespace planner

using namespace planner;

TfrmStampaPlanning::TfrmStampaPlanning(QWidget* owner)
    : planner::BoardPrintDialog(owner, planner::boardPrintSettings(kit::CardPrintOutput::Print)) {
  icoInf01 = textPicture(shpSfondo, QStringLiteral("icoInf01"),
                         planner::kPrintHeading.toUpper() + QStringLiteral("\n\n") + planner::kPrintText,
                         onPanel(28, 28, 240, 83));
  // The heading and the sentence, each named for whoever cannot read the picture.
  icoInf01->setAccessibleName(planner::kPrintHeading);
  icoInf01->setAccessibleDescription(planner::kPrintText);
  QFont f(QStringLiteral("Verdana"), 8);
  icoInf01->setFont(f);
  imgLogo01->setPixmap(planner::readerPicture(51, 81));
  imgLogo01->setGeometry(onPanel(280, 31, 51, 81));
  shpSepara = new QWidget(shpSfondo);
  shpSepara->setObjectName(QStringLiteral("shpSepara"));
  shpSepara->setGeometry(onPanel(26, 120, 311, 4));
  shpSepara->setAutoFillBackground(true);
  QPalette bar = shpSepara->palette();
  bar.setColor(QPalette::Window, QColor(0x42, 0x7A, 0xA8));
  shpSepara->setPalette(bar);
  imgSezione04 = picture(shpSfondo, QStringLiteral("imgSezione04"), planner::printerPicture(82, 72, false),
                         onPanel(30, 140, 82, 72));
  icoInf02 = textPicture(shpSfondo, QStringLiteral("icoInf02"), planner::kPrintStart, onPanel(122, 140, 206, 71));
  icoInf02->setFont(f);
}

TfrmAnteprimaPlanning::TfrmAnteprimaPlanning(QWidget* owner)
    : planner::BoardPrintDialog(owner, planner::boardPrintSettings(kit::CardPrintOutput::Preview)) {
  imgLogo02 = imgLogo01;
  imgLogo02->setObjectName(QStringLiteral("imgLogo02"));
  imgLogo02->setPixmap(planner::previewPicture(315, 191));
  imgLogo02->setGeometry(QRect(QPoint(23, 30) - QPoint(18, 18), QSize(315, 191)));
  // The painted texts, for whoever cannot see the picture.
  imgLogo02->setAccessibleName(planner::kPreviewHeading);
  imgLogo02->setAccessibleDescription(planner::kPreviewText + QLatin1Char('\n') + planner::kPreviewStart);
}
