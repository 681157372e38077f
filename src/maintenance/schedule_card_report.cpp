#include "maintenance/schedule_card_report.h"

#include <QCheckBox>

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

// The label of each row and the card control whose trimmed text it prints; rows 1, 2,
// 19 and 20 are composed, rows 21 to 24 print one blank on both sides.
struct Row {
  const char* label;
  const char* control;
};
constexpr Row kCardRows[] = {
    {"Data scadenza:", nullptr},         {"Ora appuntamento:", nullptr},
    {"Giorni preavviso:", "txtAvviso"},  {"Conduttore:", "txtConducente"},
    {"Codice fiscale:", "txtCodFisc"},   {"Recapito preferenziale:", "txtRecapito"},
    {"Tipo veicolo:", "txtVeicolo"},     {"Marca:", "txtMarca"},
    {"Modello:", "txtModello"},          {"Colore:", "txtColore"},
    {"Alimentazione:", "txtAlimentazione"}, {"Targa:", "txtTarga"},
    {"Tipo manutenzione:", "txtManutenzione"}, {"Dettagli intervento:", "txtDettagli"},
    {"Ricambi sostituiti:", "txtOfficina"}, {"Costo intervento:", "txtCosto"},
    {"Meccanico esecutore:", "txtContatto"}, {"Note:", "txtNote"},
    {"Appuntamento da confermare:", nullptr}, {"Manutenzione effettuata:", nullptr},
};

QWidget* control(const QWidget& card, const char* name) {
  auto* w = card.findChild<QWidget*>(QString::fromLatin1(name));
  if (!w) throw ReportError(QStringLiteral("Control \"%1\" not found on the schedule card.").arg(QLatin1String(name)));
  return w;
}

QString text(const QWidget& card, const char* name) { return platform::trim(kit::cardText(&card, QLatin1String(name))); }

QString flag(const QWidget& card, const char* name) {
  auto* box = qobject_cast<QCheckBox*>(control(card, name));
  return box && box->isChecked() ? QStringLiteral("Sì") : QStringLiteral("No");
}

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
  QStringList values;
  values << text(card, "txtGiorno") + QLatin1Char(' ') + text(card, "txtMese") + QLatin1Char(' ') +
                text(card, "lblAnno");
  values << text(card, "txtOreApp") + QLatin1Char(':') + text(card, "txtMinutiApp");
  for (int r = 3; r <= 18; ++r) values << text(card, kCardRows[r - 1].control);
  values << flag(card, "chkDaConfermare") << flag(card, "chkEffettuata");
  for (int r = 1; r <= kRows; ++r) {
    const bool blank = r > 20;
    report.memo(rowName("titCampo", r)).setText(blank ? QStringLiteral(" ") : QString::fromUtf8(kCardRows[r - 1].label));
    report.memo(rowName("txtCampo", r)).setText(blank ? QStringLiteral(" ") : values[r - 1]);
  }
  const QDateTime now = platform::now();
  report.memo(QStringLiteral("txtCalce"))
      .setText(QStringLiteral("Stampa eseguita in data ") + dateText(now.date()) + QStringLiteral(" alle ore ") +
               timeText(now.time()));
  report.prepare();
}

}  // namespace maintenance
