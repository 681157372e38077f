#include "drivers/driver_archive.h"

#include "drivers/driver_record.h"

namespace drivers {

kit::ArchiveSource driverArchive() {
  return kit::ArchiveSource::fixed(QString::fromLatin1(DriverRecord::kArchiveName.data(),
                                                       static_cast<qsizetype>(DriverRecord::kArchiveName.size())),
                                   &driverLayout());
}

}  // namespace drivers
