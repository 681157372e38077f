#pragma once
// Vehicle cards written straight into the vehicle archive, field by field.
#include <QString>

#include <map>
#include <string_view>
#include <vector>

#include "platform/qtext.h"
#include "support/archive_files.h"
#include "vehicles/vehicle_record.h"

const QString kVehicleArchive = QStringLiteral("Parco_Automezzi.pro");

// A card's texts by field name; the fields left out stay empty.
using VehicleFields = std::map<std::string_view, QString>;

// Appends one record per card to the vehicle archive beside the executable.
inline void appendVehicles(const std::vector<VehicleFields>& vehicles) {
  std::vector<core::RecordBuffer> records;
  for (const VehicleFields& v : vehicles) {
    core::RecordBuffer r(vehicles::vehicleLayout());
    for (const auto& [name, text] : v) r.set(name, platform::toCore(text));
    records.push_back(r);
  }
  appendRecords(kVehicleArchive, vehicles::VehicleRecord::kSize, records);
}
