#include "vehicles/vehicle_archive.h"

#include "vehicles/vehicle_record.h"

namespace vehicles {

kit::ArchiveSource vehicleArchive() {
  return kit::ArchiveSource::fixed(QString::fromLatin1(VehicleRecord::kArchiveName.data(),
                                                       static_cast<qsizetype>(VehicleRecord::kArchiveName.size())),
                                   &vehicleLayout());
}

}  // namespace vehicles
