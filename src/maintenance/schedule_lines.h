#pragma once
// What the schedule's lists, search and grids make of a deadline, without a screen: the
// list line, the sort key of the grids, and which deadlines each list and grid takes.
// Plain C++, like the record.
#include <cstddef>
#include <string_view>

#include "core/record.h"
#include "core/search_filter.h"
#include "core/text.h"

namespace maintenance {

// The index of a field of MaintenanceDeadlineRecord.
std::size_t scheduleField(std::string_view name);

// The line of the schedule lists and search, in fixed columns: make and model (28),
// "  Targa: " plate (12), "  Data: " date (10), "  Ora: " time (5), "  " driver (28),
// "  Tel. " contact (14), "  " and the maintenance type, which starts at character 133.
core::LineFormat scheduleLineFormat();

// The sort key of the grids ("Codice univoco"): the month of the stored date (its
// characters 4 and 5), the day, the hour and the minutes, each trimmed: MMDDhhmm.
core::Text scheduleSortKey(const core::RecordBuffer& record);

// The lists, each comparing the trimmed flag exactly: maintenance to do (Effettuata
// "No"), done (Effettuata "Sì"), appointments to confirm (DaConfermare "Sì"). A flag
// holding anything else is in neither list of its kind.
bool isToDo(const core::RecordBuffer& record);
bool isDone(const core::RecordBuffer& record);
bool isToConfirm(const core::RecordBuffer& record);

// The daily grid: the trimmed Data equals `date` (dd/mm/yyyy).
bool isOnDate(const core::RecordBuffer& record, core::TextView date);
// The monthly grid: the trimmed month name, A-Z folded, is month `month` (1..12), and the
// trimmed year is `year`.
bool isInMonth(const core::RecordBuffer& record, int month, core::TextView year);

}  // namespace maintenance
