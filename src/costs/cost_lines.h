#pragma once
// The line a cost is listed by, built from one CostRecord. Plain C++: the unsettled
// payments, the cost search, their double-click (which finds a record again by its
// line), the cost summary and the benchmarks build the same line.
#include "core/search_filter.h"

namespace costs {

// Make + " " + model (28; an empty make leaves the leading blank), "  Targa: ", plate
// (10), "  Data: ", date (10), two blanks, cause (32), "  A: ", beneficiary (28),
// "  Costo: € ": 143 characters, then the amount as stored.
core::LineFormat costListLine();

}  // namespace costs
