#include "maintenance/schedule_card_report.h"

#include "kit/card_print.h"
#include "platform/clock.h"
#include "platform/qtext.h"
#include "shell/misc.h"

namespace maintenance {

using namespace platform::report;

namespace {

const QColor kDarkOrange(0xFF, 0x8C, 0x00);
const QColor kTeal(0x00, 0x80, 0x80);

constexpr int kRows = 24;
constexpr double kRowTop = 36, kRowPitch = 9, kRowHeight = 7.5;  // mm, inside the margins

QRectF mmRect(double left, double top, double width, double height) {
  return QRectF(mm(left), mm(top), mm(width), mm(height));
}

QString rowName(const char* prefix, int row) {
  return QString::fromLatin1(prefix) + QStringLiteral("%1").arg(row, 2, 10, QLatin1Char('0'));
}

// The label of each row and what it prints from the card; rows 21 to 24 print one
// blank on both sides.
constexpr kit::CardPrintRow kCardRows[] = {
    {.caption = "Data scadenza:", .memo = "txtGiorno", .value = "{txtGiorno} {txtMese} {lblAnno}"},
    {.caption = "Ora appuntamento:", .memo = "txtOreApp", .value = "{txtOreApp}:{txtMinutiApp}"},
    {.caption = "Giorni preavviso:", .memo = "txtAvviso"},
    {.caption = "Conduttore:", .memo = "txtConducente"},
    {.caption = "Codice fiscale:", .memo = "txtCodFisc"},
    {.caption = "Recapito preferenziale:", .memo = "txtRecapito"},
    {.caption = "Tipo veicolo:", .memo = "txtVeicolo"},
    {.caption = "Marca:", .memo = "txtMarca"},
    {.caption = "Modello:", .memo = "txtModello"},
    {.caption = "Colore:", .memo = "txtColore"},
    {.caption = "Alimentazione:", .memo = "txtAlimentazione"},
    {.caption = "Targa:", .memo = "txtTarga"},
    {.caption = "Tipo manutenzione:", .memo = "txtManutenzione"},
    {.caption = "Dettagli intervento:", .memo = "txtDettagli"},
    {.caption = "Ricambi sostituiti:", .memo = "txtOfficina"},
    {.caption = "Costo intervento:", .memo = "txtCosto"},
    {.caption = "Meccanico esecutore:", .memo = "txtContatto"},
    {.caption = "Note:", .memo = "txtNote"},
    {.caption = "Appuntamento da confermare:", .memo = "chkDaConfermare"},
    {.caption = "Manutenzione effettuata:", .memo = "chkEffettuata"},
};

}  // namespace

std::unique_ptr<Report> makeScheduleCardReport() {
  auto report = std::make_unique<Report>(kScheduleCardReportName);
  Page& page = report->addPage(QStringLiteral("Page1"), QPageLayout::Portrait);

  Picture& logo = page.addPicture(QStringLiteral("imgLogo"), mmRect(0, 0, 70, 18));
  logo.centre = false;
  logo.image = shell::logoPicture(560, 144).toImage();

  Memo& title = page.addMemo(QStringLiteral("txtTitolo"), mmRect(0, 21, 190, 10));
  title.fill = kDarkOrange;
  title.font = {QStringLiteral("Arial"), 16, false, Qt::white};
  title.hAlign = HAlign::Centre;
  title.vAlign = VAlign::Centre;
  title.expressions = false;

  Shape& top = page.addShape(QStringLiteral("linTitolo"), mmRect(0, 33, 190, 0.5));
  top.fill = kDarkOrange;

  for (int r = 1; r <= kRows; ++r) {
    const double y = kRowTop + (r - 1) * kRowPitch;
    Memo& label = page.addMemo(rowName("titCampo", r), mmRect(0, y, 58, kRowHeight));
    label.fill = kTeal;
    label.font = {QStringLiteral("Arial"), 9, false, Qt::white};
    label.vAlign = VAlign::Centre;
    label.expressions = false;
    Memo& value = page.addMemo(rowName("txtCampo", r), mmRect(60, y, 130, kRowHeight));
    value.font = {QStringLiteral("Arial"), 10, false, Qt::black};
    value.vAlign = VAlign::Centre;
    value.expressions = false;  // "[DATE]" typed into a field is printed as typed
  }

  Shape& bottom = page.addShape(QStringLiteral("linCalce"), mmRect(0, kRowTop + kRows * kRowPitch + 2, 190, 0.5));
  bottom.fill = kDarkOrange;
  Memo& footer = page.addMemo(QStringLiteral("txtCalce"), mmRect(0, kRowTop + kRows * kRowPitch + 5, 190, 8));
  footer.fill = kDarkOrange;
  footer.font = {QStringLiteral("Arial"), 10, false, Qt::white};
  footer.hAlign = HAlign::Centre;
  footer.vAlign = VAlign::Centre;
  footer.expressions = false;
  return report;
}

void fillScheduleCardReport(Report& report, const QWidget& card) {
  report.page(0).orientation = QPageLayout::Portrait;
  report.memo(QStringLiteral("txtTitolo")).setText(QStringLiteral("SCHEDA SCADENZA MANUTENZIONE"));
  for (int r = 1; r <= kRows; ++r) {
    const bool blank = r > int(std::size(kCardRows));
    const kit::CardPrintRow& row = kCardRows[blank ? 0 : r - 1];
    report.memo(rowName("titCampo", r)).setText(blank ? QStringLiteral(" ") : QString::fromUtf8(row.caption));
    report.memo(rowName("txtCampo", r)).setText(blank ? QStringLiteral(" ") : kit::cardValue(&card, row));
  }
  report.memo(QStringLiteral("txtCalce")).setText(kit::printedAtText(platform::now()));
  report.prepare();
}

}  // namespace maintenance
