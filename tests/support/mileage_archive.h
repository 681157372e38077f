#pragma once
// Mileage deadlines written straight into the mileage archive, field by field.
#include <QString>

#include <map>
#include <string_view>
#include <vector>

#include "maintenance/mileage_record.h"
#include "platform/qtext.h"
#include "support/archive_files.h"

const QString kMileageArchive = QStringLiteral("Scadenzario_Chilometrico.pro");

// A deadline's texts by field name; the fields left out stay empty.
using DeadlineFields = std::map<std::string_view, QString>;

// Appends one record per deadline to the mileage archive beside the executable.
inline void appendDeadlines(const std::vector<DeadlineFields>& deadlines) {
  std::vector<core::RecordBuffer> records;
  for (const DeadlineFields& d : deadlines) {
    core::RecordBuffer r(maintenance::mileageLayout());
    for (const auto& [name, text] : d) r.set(name, platform::toCore(text));
    records.push_back(r);
  }
  appendRecords(kMileageArchive, maintenance::MileageDeadlineRecord::kSize, records);
}
