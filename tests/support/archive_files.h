#pragma once
// Record archives beside the executable, written for a test to read back.
#include <QString>

#include <cstddef>
#include <vector>

#include "core/archive.h"
#include "core/record.h"
#include "kit/archive_source.h"
#include "platform/paths.h"

// Appends `records` (of `recordSize` bytes each) to the archive `file` in the
// executable's folder; a missing archive is created first, even for no records.
inline void appendRecords(const QString& file, std::size_t recordSize, const std::vector<core::RecordBuffer>& records) {
  core::Archive archive = kit::openArchive(platform::exePath(file), recordSize);
  archive.seek(archive.count());
  for (const core::RecordBuffer& r : records) archive.write(r);
}
