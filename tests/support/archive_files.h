#pragma once
// Record archives beside the executable, written for a test to read back.
#include <QString>

#include <cstddef>
#include <map>
#include <string_view>
#include <vector>

#include "core/archive.h"
#include "core/record.h"
#include "kit/archive_source.h"
#include "platform/paths.h"
#include "platform/qtext.h"

// Appends `records` (of `recordSize` bytes each) to the archive `file` in the
// executable's folder; a missing archive is created first, even for no records.
inline void appendRecords(const QString& file, std::size_t recordSize, const std::vector<core::RecordBuffer>& records) {
  core::Archive archive = kit::openArchive(platform::exePath(file), recordSize);
  archive.seek(archive.count());
  for (const core::RecordBuffer& r : records) archive.write(r);
}

// A record's texts by field name; the fields left out stay empty.
using FieldTexts = std::map<std::string_view, QString>;

// A record of `layout` holding `texts`.
inline core::RecordBuffer recordOf(const core::RecordLayout& layout, const FieldTexts& texts) {
  core::RecordBuffer r(layout);
  for (const auto& [name, text] : texts) r.set(name, platform::toCore(text));
  return r;
}

// Appends one record of `layout` per entry of `records` to the archive `file` beside
// the executable (created first when missing, even for no records).
inline void appendFieldRecords(const QString& file, const core::RecordLayout& layout,
                               const std::vector<FieldTexts>& records) {
  std::vector<core::RecordBuffer> buffers;
  for (const FieldTexts& texts : records) buffers.push_back(recordOf(layout, texts));
  appendRecords(file, layout.size(), buffers);
}
