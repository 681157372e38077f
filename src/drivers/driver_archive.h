#pragma once
// The driver archive as every driver window opens it: "Conducenti.pro" beside the
// executable, records of DriverRecord's layout.
#include "kit/archive_source.h"

namespace drivers {

kit::ArchiveSource driverArchive();

}  // namespace drivers
