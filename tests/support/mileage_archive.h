#pragma once
// Mileage deadlines written straight into the mileage archive, field by field.
#include <QString>

#include <map>
#include <string_view>
#include <vector>

#include "maintenance/mileage_record.h"
#include "support/archive_files.h"

const QString kMileageArchive = QStringLiteral("Scadenzario_Chilometrico.pro");

// A deadline's texts by field name; the fields left out stay empty.
using DeadlineFields = FieldTexts;

// Appends one record per deadline to the mileage archive beside the executable.
inline void appendDeadlines(const std::vector<DeadlineFields>& deadlines) {
  appendFieldRecords(kMileageArchive, maintenance::mileageLayout(), deadlines);
}
