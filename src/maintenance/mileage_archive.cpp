#include "maintenance/mileage_archive.h"

#include "maintenance/mileage_record.h"

namespace maintenance {

kit::ArchiveSource mileageArchive() {
  const std::string_view name = MileageDeadlineRecord::kArchiveName;
  return kit::ArchiveSource::fixed(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())),
                                   &mileageLayout());
}

}  // namespace maintenance
