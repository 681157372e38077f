#pragma once
// Payments written straight into a year's cost archive, field by field, for the cost
// tests.
#include <QString>

#include <vector>

#include "costs/cost_lines.h"
#include "costs/cost_record.h"
#include "platform/qtext.h"
#include "support/archive_files.h"

// A payment's texts by field name; the fields left out stay empty.
using CostFields = FieldTexts;

inline core::RecordBuffer costRecord(const CostFields& c) { return recordOf(costs::costLayout(), c); }

// Appends one record per payment to the archive of `year` beside the executable
// (creating it).
inline void appendCosts(const QString& year, const std::vector<CostFields>& payments) {
  appendFieldRecords(year + ".eur", costs::costLayout(), payments);
}

// The cost list line of a payment, as the program builds it.
inline QString costLineOf(const CostFields& c) {
  return platform::fromCore(costs::costListLine().build(costRecord(c)));
}
