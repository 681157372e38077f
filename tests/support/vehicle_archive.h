#pragma once
// Vehicle cards written straight into the vehicle archive, field by field.
#include <QString>

#include <map>
#include <string_view>
#include <vector>

#include "support/archive_files.h"
#include "vehicles/vehicle_record.h"

const QString kVehicleArchive = QStringLiteral("Parco_Automezzi.pro");

// A card's texts by field name; the fields left out stay empty.
using VehicleFields = FieldTexts;

// Appends one record per card to the vehicle archive beside the executable.
inline void appendVehicles(const std::vector<VehicleFields>& vehicles) {
  appendFieldRecords(kVehicleArchive, vehicles::vehicleLayout(), vehicles);
}
