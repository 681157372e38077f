// The block-reading scan: every whole record once, in order, across block boundaries.
#include <gtest/gtest.h>

#include <array>
#include <atomic>
#include <thread>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/archive.h"
#include "core/record.h"

namespace {

constexpr std::array<core::FieldDef, 1> kBigField{{{"Testo", 200}}};

std::string writeFile(const std::string& name, std::size_t recordSize, std::size_t records, std::size_t tail) {
  const std::string path = (std::filesystem::temp_directory_path() / name).string();
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  for (std::size_t n = 0; n < records; ++n) {
    std::string rec(recordSize, '\0');
    rec[0] = static_cast<char>(n);  // first byte tells the record apart
    out.write(rec.data(), static_cast<std::streamsize>(rec.size()));
  }
  out.write(std::string(tail, 'x').data(), static_cast<std::streamsize>(tail));
  return path;
}

TEST(ForEachRecord, VisitsEveryWholeRecordInOrderAcrossBlocks) {
  std::array<core::FieldDef, 200> fields{};
  // 51,200-byte records: a block holds only five, so 13 records cross two block boundaries.
  for (auto& f : fields) f = {"F", 255};
  core::RecordLayout layout(fields);
  const std::string path = writeFile("velmora-scan-test.pro", layout.size(), 13, 700);
  core::Archive archive(path, layout.size());
  core::RecordBuffer buffer(layout);
  std::vector<std::size_t> seen;
  core::forEachRecord(archive, buffer, [&](const core::RecordBuffer& r, std::size_t index) {
    EXPECT_EQ(r.data()[0], static_cast<std::uint8_t>(index));
    seen.push_back(index);
    return true;
  });
  ASSERT_EQ(seen.size(), 13u);  // the partial tail is not a record
  for (std::size_t i = 0; i < seen.size(); ++i) EXPECT_EQ(seen[i], i);
  std::remove(path.c_str());
}

TEST(ForEachRecord, StopsWhenTheVisitSaysSoAndOnAnEmptyArchiveVisitsNothing) {
  core::RecordLayout layout(kBigField);
  const std::string path = writeFile("velmora-scan-stop.pro", layout.size(), 10, 0);
  {
    core::Archive archive(path, layout.size());
    core::RecordBuffer buffer(layout);
    int visits = 0;
    core::forEachRecord(archive, buffer, [&](const core::RecordBuffer&, std::size_t index) {
      ++visits;
      return index < 3;
    });
    EXPECT_EQ(visits, 4);
  }
  const std::string empty = writeFile("velmora-scan-empty.pro", layout.size(), 0, 0);
  core::Archive archive(empty, layout.size());
  core::RecordBuffer buffer(layout);
  int visits = 0;
  core::forEachRecord(archive, buffer, [&](const core::RecordBuffer&, std::size_t) { return ++visits, true; });
  EXPECT_EQ(visits, 0);
  std::remove(path.c_str());
  std::remove(empty.c_str());
}

}  // namespace

// ---- Parts run side by side ---------------------------------------------------------

namespace {

TEST(RunParts, EveryPartRunsOnceAndTheFirstFailureInPartOrderIsReturned) {
  for (std::size_t parts : {0u, 1u, 3u, 8u, 20u}) {
    std::vector<std::atomic<int>> runs(parts);
    const core::PartFailure none = core::runParts(parts, [&](std::size_t p) { ++runs[p]; });
    EXPECT_EQ(none.part, parts);
    EXPECT_FALSE(none.failure);
    for (std::size_t p = 0; p < parts; ++p) EXPECT_EQ(runs[p].load(), 1) << parts << " parts, part " << p;
  }
  // Parts 2 and 5 fail; the others still run to their end.
  std::vector<std::atomic<int>> runs(8);
  const core::PartFailure failed = core::runParts(8, [&](std::size_t p) {
    ++runs[p];
    if (p == 2 || p == 5) throw core::ArchiveError("part " + std::to_string(p));
  });
  EXPECT_EQ(failed.part, 2u);
  ASSERT_TRUE(failed.failure);
  EXPECT_THROW(std::rethrow_exception(failed.failure), core::ArchiveError);
  for (const auto& r : runs) EXPECT_EQ(r.load(), 1);
}

TEST(RunParts, PartsThatRunPartsAndCallersOnSeveralThreadsAllFinish) {
  // The part threads are shared: a part running parts, and several windows' scans at
  // once, must neither wait for ever nor lose a part.
  std::atomic<int> inner{0};
  auto nested = [&] {
    const core::PartFailure f = core::runParts(6, [&](std::size_t) {
      const core::PartFailure g = core::runParts(5, [&](std::size_t) { ++inner; });
      if (g.failure) std::rethrow_exception(g.failure);
    });
    if (f.failure) std::rethrow_exception(f.failure);
  };
  std::vector<std::thread> callers;
  for (int i = 0; i < 4; ++i) callers.emplace_back(nested);
  nested();
  for (std::thread& t : callers) t.join();
  EXPECT_EQ(inner.load(), 5 * 6 * 5);
}

}  // namespace
