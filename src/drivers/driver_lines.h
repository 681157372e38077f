#pragma once
// The lines the driver windows list, built from one DriverRecord, and which records
// the availability lists take. Plain C++: the search, the lists, their double-click
// and the benchmarks build the same lines.
#include <cstddef>
#include <string_view>

#include "core/record.h"
#include "core/search_filter.h"

namespace drivers {

// The driver list line of the search and of the travel list: the name (30), "  Tel. ",
// the contact (14), "  ", make and model joined by a blank (30), "  Targa: ", the
// plate (12), "  Note: " and the notes, trimmed and whole. The notes begin at
// character 113.
core::LineFormat driverLine();

// The availability line of the holiday and on-duty lists: the name (26), "  Tel. ",
// the contact (14), "  ", make and model (26), "  Targa: ", the plate (12), "  " and
// the holiday plan, trimmed and whole, from character 99.
core::LineFormat availabilityLine();

// The stored flags.
inline constexpr std::u16string_view kYes = u"S\u00EC";
inline constexpr std::u16string_view kNo = u"No";

// Whether the flag field `field` of `record`, trimmed, holds exactly `text` ("Sì" or
// "No"). Reads the stored bytes without converting the record.
bool flagHolds(const core::RecordBuffer& record, std::size_t field, std::u16string_view text);

}  // namespace drivers
