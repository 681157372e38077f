#pragma once
// The vehicle archive as every vehicle window opens it: "Parco_Automezzi.pro" beside
// the executable, records of VehicleRecord's layout.
#include "kit/archive_source.h"

namespace vehicles {

kit::ArchiveSource vehicleArchive();

}  // namespace vehicles
