// Random bytes through the field reader and the archive reader: whatever a file
// holds, reading never crashes and never looks past a field.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "core/archive.h"
#include "core/record.h"

namespace {

std::vector<core::FieldDef> randomFields(std::mt19937& rng) {
  std::uniform_int_distribution<int> count(1, 30), width(1, 255);
  std::vector<core::FieldDef> fields(static_cast<std::size_t>(count(rng)));
  for (auto& f : fields) f = {"F", static_cast<std::uint8_t>(width(rng))};
  return fields;
}

void checkEveryField(const core::RecordBuffer& r) {
  const auto& layout = r.layout();
  for (std::size_t i = 0; i < layout.fieldCount(); ++i) {
    const std::string_view raw = r.rawValue(i);
    const auto* first = reinterpret_cast<const char*>(r.data() + layout.offset(i) + 1);
    ASSERT_EQ(raw.data(), first);
    ASSERT_LE(raw.size(), layout.field(i).width);
    ASSERT_LE(r.get(i).size(), raw.size());
  }
}

}  // namespace

TEST(RandomBytes, FieldReaderStaysInsideEveryField) {
  for (unsigned seed = 1; seed <= 500; ++seed) {
    SCOPED_TRACE(seed);
    std::mt19937 rng(seed);
    const auto fields = randomFields(rng);
    core::RecordLayout layout{std::span<const core::FieldDef>(fields)};
    core::RecordBuffer r(layout);
    std::uniform_int_distribution<int> byte(0, 255);
    for (std::size_t i = 0; i < r.size(); ++i) r.data()[i] = static_cast<std::uint8_t>(byte(rng));
    checkEveryField(r);
  }
}

TEST(RandomBytes, ArchiveReaderReadsWholeRecordsOnly) {
  const auto file = std::filesystem::temp_directory_path() /
                    ("velmora-random-" + std::to_string(::getpid()) + ".pro");
  for (unsigned seed = 1; seed <= 100; ++seed) {
    SCOPED_TRACE(seed);
    std::mt19937 rng(seed);
    const auto fields = randomFields(rng);
    core::RecordLayout layout{std::span<const core::FieldDef>(fields)};
    std::uniform_int_distribution<std::size_t> length(0, layout.size() * 6);
    std::uniform_int_distribution<int> byte(0, 255);
    std::string content(length(rng), '\0');
    for (auto& c : content) c = static_cast<char>(byte(rng));
    std::ofstream(file, std::ios::binary | std::ios::trunc) << content;

    core::Archive archive(file.string(), layout.size());
    ASSERT_EQ(archive.count(), content.size() / layout.size());
    core::RecordBuffer r(layout);
    for (std::size_t n = 0; n < archive.count(); ++n) {
      archive.read(r);
      ASSERT_EQ(std::string(reinterpret_cast<const char*>(r.data()), r.size()),
                content.substr(n * layout.size(), layout.size()));
      checkEveryField(r);
    }
    EXPECT_THROW(archive.read(r), core::ArchiveError);
  }
  std::filesystem::remove(file);
}
