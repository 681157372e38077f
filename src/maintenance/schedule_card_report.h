#pragma once
// The schedule card's print, the report "Scheda informativa": one A4 portrait page with
// the logo, the title "SCHEDA SCADENZA MANUTENZIONE", 24 rows of a label and a value
// filled from the card on screen (saved or not), and a footer with the date and time
// of printing.
#include <QString>
#include <memory>

#include "platform/report/report.h"

class QWidget;

namespace maintenance {

inline const QString kScheduleCardReportName = QStringLiteral("Scheda informativa");

// A fresh copy of the template: logo `imgLogo`, title `txtTitolo`, rows `titCampo01`..
// `titCampo24` with `txtCampo01`..`txtCampo24`, footer `txtCalce`.
std::unique_ptr<platform::report::Report> makeScheduleCardReport();

// Fills the template from the schedule card `card` (its controls found by name, texts
// trimmed) and prepares it. Throws ReportError when a control is missing.
void fillScheduleCardReport(platform::report::Report& report, const QWidget& card);

}  // namespace maintenance
