#pragma once
// The mileage archive as every window of the mileage schedule opens it:
// "Scadenzario_Chilometrico.pro" beside the executable, MileageDeadlineRecord records.
#include "kit/archive_source.h"

namespace maintenance {

kit::ArchiveSource mileageArchive();

}  // namespace maintenance
