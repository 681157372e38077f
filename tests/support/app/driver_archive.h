#pragma once
// Driver cards written straight into the driver archive, field by field.
#include <QString>

#include <vector>

#include "drivers/driver_record.h"
#include "support/archive_files.h"

const QString kDriverArchive = QStringLiteral("Conducenti.pro");

// A card's texts by field name; the fields left out stay empty.
using DriverFields = FieldTexts;

// Appends one record per card to the driver archive beside the executable.
inline void appendDrivers(const std::vector<DriverFields>& drivers) {
  appendFieldRecords(kDriverArchive, drivers::driverLayout(), drivers);
}
