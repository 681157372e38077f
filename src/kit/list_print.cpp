#include "kit/list_print.h"

#include <QAbstractItemModel>
#include <QAbstractItemView>

#include "platform/dialogs.h"
#include "platform/qtext.h"

namespace kit {

using namespace platform::report;

namespace {
// The lines of a list, read through its model, in list order, as they stand.
QStringList linesOf(const QAbstractItemView* list) {
  QStringList out;
  const QAbstractItemModel* model = list ? list->model() : nullptr;
  if (!model) return out;
  const int rows = model->rowCount();
  out.reserve(rows);
  for (int i = 0; i < rows; ++i) out << model->index(i, 0).data().toString();
  return out;
}
}  // namespace

std::unique_ptr<Report> makeListReport() {
  auto report = std::make_unique<Report>(kListTemplateName);
  Page& page = report->addPage(QStringLiteral("Page"), QPageLayout::Landscape);

  Band& title = page.addBand(BandKind::ReportTitle, QStringLiteral("ReportTitle"), mm(8));
  Memo& txtTitolo = title.addMemo(QStringLiteral("txtTitolo"), QRectF(mm(2), mm(1), mm(273), mm(5)));
  txtTitolo.fill = kSlateGray;
  txtTitolo.font = {QStringLiteral("Verdana"), 9, true, Qt::white};
  txtTitolo.hAlign = HAlign::Centre;
  // Titles carry typed texts (a plate filter, a make): printed as they stand.
  txtTitolo.expressions = false;
  txtTitolo.setText(QStringLiteral("Riepilogo"));

  Band& data = page.addBand(BandKind::MasterData, QStringLiteral("MasterData"), mm(28));
  data.allowSplit = true;
  Memo& txtRiepilogo = data.addMemo(QStringLiteral("txtRiepilogo"), QRectF(mm(3), 0, mm(273), mm(27)));
  txtRiepilogo.font = {QStringLiteral("Courier New"), 8, false, Qt::black};
  // List lines are data: a "[...]" in a record is printed, never evaluated.
  txtRiepilogo.expressions = false;
  // One list line per 12.822 units, as the memo's height is computed, so the
  // footer follows the last line closely.
  txtRiepilogo.lineHeight = kListLineUnits;
  txtRiepilogo.gapY = 0;

  Band& footer = page.addBand(BandKind::Footer, QStringLiteral("Footer"), mm(8));
  Memo& txtPagina = footer.addMemo(QStringLiteral("txtPagina"), QRectF(mm(3), mm(2), mm(272), mm(5)));
  txtPagina.fill = kSlateGray;
  txtPagina.font = {QStringLiteral("Verdana"), 8, true, Qt::white};
  txtPagina.hAlign = HAlign::Centre;
  txtPagina.setText(QStringLiteral("Stampa eseguita in data [DATE]"));
  return report;
}

std::unique_ptr<Report> prepareListReport(const QString& title, const QStringList& lines,
                                          const QStringList& trailer) {
  auto report = makeListReport();
  report->memo(QStringLiteral("txtTitolo")).setText(title);
  Memo& memo = report->memo(QStringLiteral("txtRiepilogo"));
  memo.lines.clear();
  memo.lines << lines << trailer;
  Band& band = report->band(QStringLiteral("MasterData"));
  memo.setHeight(memo.lines.size() * kListLineUnits);
  band.setHeight(memo.height() + kListBandExtra);
  report->prepare();
  return report;
}

bool printList(QWidget* window, const QString& title, const QStringList& lines, const ListPrintOptions& options) {
  if (options.refuseEmpty && lines.isEmpty()) {
    platform::warning(msg::kEmptySummaryWarning, window);
    return false;
  }
  if (options.askFirst && !platform::question(msg::kPrintSummaryQuestion, window)) return false;
  try {
    const QString shown = options.datedTitle ? datedTitle(title) : title;
    auto report = prepareListReport(shown, lines, options.trailer);
    return report->print(window);
  } catch (const platform::report::ReportError& e) {
    // What the program's default handling would show: the failure's own message.
    platform::error(QString::fromStdString(e.what()), window);
    return false;
  }
}

bool printList(QWidget* window, const QAbstractItemView* list, const QString& title, const ListPrintOptions& options) {
  return printList(window, title, linesOf(list), options);
}

QString datedTitle(const QString& literal, const QDate& today) { return literal + dateText(today); }

QString bookingSummaryTitle(const QString& make, const QString& model, const QString& year) {
  return QStringLiteral("Riepilogo prenotazioni veicolo ") + platform::trim(make) + QLatin1Char(' ') +
         platform::trim(model) + QStringLiteral(" anno ") + platform::trim(year);
}

}  // namespace kit
