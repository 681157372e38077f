#pragma once
// Which visits the three day lists take, read straight from a record's stored bytes.
// Plain C++: the lists, their tests and the benchmarks use the same rules.
//
// A date is today's only when its trimmed text is exactly today written dd/mm/yyyy
// with "/": "5/3/2024" or "05-03-2024" never is.
#include <string_view>

#include "core/record.h"
#include "core/search_filter.h"
#include "core/text.h"

namespace gate {

// Whether `stored` (a field's stored bytes), trimmed, is `day` written dd/mm/yyyy.
bool isDateOf(std::string_view stored, const core::Date& day);

// Vehicles exited today: the exit date is today's.
core::Verdict exitedOn(const core::RecordBuffer& visit, const core::Date& today);
// Vehicles entered today: the entry date is today's.
core::Verdict enteredOn(const core::RecordBuffer& visit, const core::Date& today);
// Vehicles not yet out, of any day: the exit date is empty once trimmed (blanks only too).
core::Verdict notYetOut(const core::RecordBuffer& visit, const core::Date& today);

}  // namespace gate
