#pragma once
// The "Stampa" of every result and summary list: the lines shown on screen printed
// through the report template "Riepilogo dati" (A4 landscape, a title on the first
// page, one memo holding every line, the footer "Stampa eseguita in data [DATE]"
// after the last line). One routine for every list window; the few windows that
// differ say so with ListPrintOptions.
#include <QDate>
#include <QString>
#include <QStringList>
#include <memory>

#include "kit/messages.h"
#include "platform/clock.h"
#include "platform/report/report.h"

class QAbstractItemView;
class QWidget;

namespace kit {

// Height of one list line in the data memo, in report units (about 3.39 mm).
inline constexpr double kListLineUnits = 12.822;
// The data band is this much taller than its memo.
inline constexpr double kListBandExtra = 10;

inline const QString kListTemplateName = QStringLiteral("Riepilogo dati");

struct ListPrintOptions {
  // The title is followed by today's date, dd/mm/yyyy, taken when printing.
  bool datedTitle = false;
  // An empty list is refused with a warning instead of printing an empty report.
  bool refuseEmpty = false;
  // "Si vuole stampare il presente riepilogo?" comes first; No stops.
  bool askFirst = false;
  // Lines printed after the list lines in the same memo (they count in its height).
  QStringList trailer;

  // The fuel and cost summaries: refuse an empty list, ask first, then the trailer.
  static ListPrintOptions summary(const QStringList& trailer) {
    ListPrintOptions o;
    o.refuseEmpty = true;
    o.askFirst = true;
    o.trailer = trailer;
    return o;
  }
  static ListPrintOptions dated() {
    ListPrintOptions o;
    o.datedTitle = true;
    return o;
  }
};

// A fresh copy of the "Riepilogo dati" template.
std::unique_ptr<platform::report::Report> makeListReport();

// The template filled the way every list print fills it, and prepared: the title
// memo `txtTitolo` holds `title`; the data memo `txtRiepilogo` holds `lines` then
// `trailer`, unchanged, and is (their number) x 12.822 units high; the band
// `MasterData` is 10 units higher.
std::unique_ptr<platform::report::Report> prepareListReport(const QString& title, const QStringList& lines,
                                                            const QStringList& trailer = {});

// The whole print: checks and question as `options` say, then the print dialog.
// Returns true when the report went to the printer; false when refused, stopped by
// the question or cancelled in the print dialog. A failure of the printer shows its
// own message in an error box; the window stays open either way.
bool printList(QWidget* window, const QString& title, const QStringList& lines,
               const ListPrintOptions& options = {});
// The same over the lines of a result list, in list order.
bool printList(QWidget* window, const QAbstractItemView* list, const QString& title,
               const ListPrintOptions& options = {});

// Titles built by their windows.
QString datedTitle(const QString& literal, const QDate& today = platform::today());
// "Riepilogo prenotazioni veicolo " + make + " " + model + " anno " + year, each trimmed.
QString bookingSummaryTitle(const QString& make, const QString& model, const QString& year);


}  // namespace kit
