// Archive files: fixed-size records back to back, checked byte for byte.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "core/archive.h"
#include "core/record.h"

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kSize = 10;

class ArchiveTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string tmpl = (fs::temp_directory_path() / "velmora-archive-XXXXXX").string();
    ASSERT_NE(::mkdtemp(tmpl.data()), nullptr);
    dir_ = tmpl;
  }
  void TearDown() override {
    std::error_code ec;
    fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(dir_, ec);
  }
  std::string path(const std::string& name = "a.pro") const { return (dir_ / name).string(); }
  void writeFile(const std::string& bytes, const std::string& name = "a.pro") const {
    std::ofstream(path(name), std::ios::binary) << bytes;
  }
  std::string readFile(const std::string& name = "a.pro") const {
    std::ifstream in(path(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  static std::string record(char fill) { return std::string(kSize, fill); }
  static const std::uint8_t* bytesOf(const std::string& s) { return reinterpret_cast<const std::uint8_t*>(s.data()); }

  fs::path dir_;
};

}  // namespace

TEST_F(ArchiveTest, MissingFileIsCreatedEmpty) {
  {
    core::Archive a(path(), kSize);
    EXPECT_EQ(a.count(), 0u);
  }
  ASSERT_TRUE(fs::exists(path()));
  EXPECT_EQ(fs::file_size(path()), 0u);
}

TEST_F(ArchiveTest, OpeningNeverTruncates) {
  writeFile(record('a') + record('b'));
  { core::Archive a(path(), kSize); }
  EXPECT_EQ(readFile(), record('a') + record('b'));
}

TEST_F(ArchiveTest, CountsWholeRecordsOnly) {
  writeFile(record('a') + record('b') + "1234567");
  core::Archive a(path(), kSize);
  EXPECT_EQ(a.count(), 2u);
  std::vector<std::uint8_t> buf(kSize);
  a.seek(1);
  a.read(buf.data());
  EXPECT_EQ(std::string(buf.begin(), buf.end()), record('b'));
  EXPECT_EQ(a.position(), 2u);
  EXPECT_THROW(a.read(buf.data()), core::ArchiveError);  // the partial record is not one
}

TEST_F(ArchiveTest, BatchReadStopsAtTheLastWholeRecord) {
  writeFile(record('a') + record('b') + record('c') + "1234567");
  core::Archive a(path(), kSize);
  std::vector<std::uint8_t> buf(4 * kSize, 0);
  a.seek(1);
  EXPECT_EQ(a.readRecords(buf.data(), 4), 2u);  // b and c; the partial tail is no record
  EXPECT_EQ(std::string(buf.begin(), buf.begin() + 2 * kSize), record('b') + record('c'));
  EXPECT_EQ(a.position(), 3u);
  EXPECT_EQ(a.readRecords(buf.data(), 4), 0u);
  EXPECT_EQ(a.position(), 3u);
}

TEST_F(ArchiveTest, AppendWritesAtCountTimesSize) {
  writeFile(record('a') + record('b') + "1234567");
  {
    core::Archive a(path(), kSize);
    a.seek(a.count());
    const std::string c = record('c');
    a.write(bytesOf(c));
    EXPECT_EQ(a.position(), 3u);
    EXPECT_EQ(a.count(), 3u);
  }
  EXPECT_EQ(readFile(), record('a') + record('b') + record('c'));
}

TEST_F(ArchiveTest, OverwriteInPlace) {
  writeFile(record('a') + record('b') + record('c'));
  {
    core::Archive a(path(), kSize);
    a.seek(1);
    const std::string x = record('x');
    a.write(bytesOf(x));
    EXPECT_EQ(a.position(), 2u);
  }
  EXPECT_EQ(readFile(), record('a') + record('x') + record('c'));
}

TEST_F(ArchiveTest, WritingPastTheEndIsRefused) {
  writeFile(record('a'));
  core::Archive a(path(), kSize);
  a.seek(2);
  const std::string x = record('x');
  EXPECT_THROW(a.write(bytesOf(x)), core::ArchiveError);
  a.close();
  EXPECT_EQ(readFile(), record('a'));
}

TEST_F(ArchiveTest, ExistingButUnopenableFileThrowsAndIsNotRecreated) {
  // A folder where the archive should be: it exists, it cannot be opened as a file.
  fs::create_directory(path());
  EXPECT_THROW(core::Archive(path(), kSize), core::ArchiveError);
  EXPECT_TRUE(fs::is_directory(path()));
}

TEST_F(ArchiveTest, UnreadableFileThrowsAndIsLeftAlone) {
  if (::geteuid() == 0) GTEST_SKIP() << "root opens any file";
  writeFile(record('a'));
  fs::permissions(path(), fs::perms::none);
  EXPECT_THROW(core::Archive(path(), kSize), core::ArchiveError);
  fs::permissions(path(), fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_EQ(readFile(), record('a'));
}

TEST_F(ArchiveTest, MissingFolderThrows) {
  EXPECT_THROW(core::Archive(path("no/such/a.pro"), kSize), core::ArchiveError);
  EXPECT_FALSE(fs::exists(path("no")));
}

TEST_F(ArchiveTest, ClosedArchiveRefusesWork) {
  core::Archive a(path(), kSize);
  a.close();
  EXPECT_FALSE(a.isOpen());
  std::vector<std::uint8_t> buf(kSize);
  EXPECT_THROW(a.count(), core::ArchiveError);
  EXPECT_THROW(a.read(buf.data()), core::ArchiveError);
  EXPECT_THROW(a.write(buf.data()), core::ArchiveError);
}

TEST_F(ArchiveTest, RecordBufferOfAnotherSizeIsRefused) {
  static constexpr std::array<core::FieldDef, 1> fields{{{"X", 4}}};
  core::RecordLayout layout(fields);
  core::RecordBuffer r(layout);
  core::Archive a(path(), kSize);
  EXPECT_THROW(a.write(r), core::ArchiveError);
  EXPECT_EQ(fs::file_size(path()), 0u);
}

TEST_F(ArchiveTest, FailedAppendLeavesNoPartialRecord) {
  writeFile(record('a') + "123");
  // The file-size limit lets only part of the new record reach the disk.
  std::signal(SIGXFSZ, SIG_IGN);
  rlimit old{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
  rlimit limited = old;
  limited.rlim_cur = kSize + 4;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limited), 0);
  {
    core::Archive a(path(), kSize);
    a.seek(a.count());
    const std::string b = record('b');
    EXPECT_THROW(a.write(bytesOf(b)), core::ArchiveError);
  }
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &old), 0);
  EXPECT_EQ(readFile(), record('a') + "123");
}

TEST_F(ArchiveTest, AFileCreatedForAFirstRecordThatCannotBeWrittenIsRemoved) {
  // The file-size limit stands for a full disk: no byte of a record reaches it.
  std::signal(SIGXFSZ, SIG_IGN);
  rlimit old{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
  const std::string b = record('b');
  auto writeLimited = [&](rlim_t limit, const std::string& name) {
    rlimit limited = old;
    limited.rlim_cur = limit;
    EXPECT_EQ(::setrlimit(RLIMIT_FSIZE, &limited), 0);
    core::Archive a(path(name), kSize);
    a.seek(a.count());
    bool failed = false;
    try {
      a.write(bytesOf(b));
    } catch (const core::ArchiveError&) {
      failed = true;
    }
    EXPECT_EQ(::setrlimit(RLIMIT_FSIZE, &old), 0);
    return failed;
  };
  struct Case {
    const char* name;
    bool existedEmpty;  // an empty file was there before: not ours to remove
    rlim_t limit;
  } cases[] = {
      {"created, nothing fits", false, 0},
      {"created, part of the record fits", false, 4},
      {"found empty", true, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string name = std::string(c.name) + ".pro";
    if (c.existedEmpty) writeFile("", name);
    EXPECT_TRUE(writeLimited(c.limit, name));
    EXPECT_EQ(fs::exists(path(name)), c.existedEmpty);
    if (c.existedEmpty) EXPECT_EQ(fs::file_size(path(name)), 0u);
  }
  // Once a record is in the file it stays, whatever a later write does.
  {
    core::Archive a(path("kept.pro"), kSize);
    a.write(bytesOf(b));
    rlimit limited = old;
    limited.rlim_cur = kSize;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limited), 0);
    EXPECT_THROW(a.write(bytesOf(b)), core::ArchiveError);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &old), 0);
  }
  EXPECT_EQ(readFile("kept.pro"), b);
}
