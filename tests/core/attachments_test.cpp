#include "core/attachments.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

namespace fs = std::filesystem;

namespace {

class AttachmentFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    std::random_device rd;
    root_ = fs::temp_directory_path() / ("velmora-attach-" + std::to_string(rd()));
    fs::create_directories(root_);
  }
  void TearDown() override {
    std::error_code ec;
    fs::remove_all(root_, ec);
  }
  std::string at(const std::string& name) const { return (root_ / name).string(); }
  void write(const std::string& name, const std::string& bytes) const {
    std::ofstream(root_ / name, std::ios::binary) << bytes;
  }
  std::string read(const std::string& name) const {
    std::ifstream in(root_ / name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  int entries(const std::string& folder) const {
    int n = 0;
    for ([[maybe_unused]] auto& e : fs::directory_iterator(root_ / folder)) ++n;
    return n;
  }
  fs::path root_;
};

TEST(AttachmentNames, BareNameAndAttachable) {
  struct Case {
    const char* path;
    const char* bare;
    bool attachable;
  } cases[] = {
      {"/home/anna/Documenti/libretto.pdf", "libretto.pdf", true},
      {"libretto.pdf", "libretto.pdf", true},
      {"/tmp/con spazi/polizza auto 2024.doc", "polizza auto 2024.doc", true},
      {"/tmp/città/Revisione è fatta.txt", "Revisione è fatta.txt", true},
      {"/tmp/noext", "noext", true},
      {"/tmp/folder/", "", false},
      {"", "", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    EXPECT_EQ(core::bareFileName(c.path), c.bare);
    EXPECT_EQ(core::isAttachableName(c.bare), c.attachable);
  }
  for (const char* bad : {".", "..", "a/b", "a\\b"}) EXPECT_FALSE(core::isAttachableName(bad)) << bad;
}

TEST_F(AttachmentFiles, EnsureFolderCreatesParentsAndRefusesAFile) {
  EXPECT_TRUE(core::ensureFolder(at("a/b/Documenti_Allegati/")));
  EXPECT_TRUE(fs::is_directory(root_ / "a/b/Documenti_Allegati"));
  EXPECT_TRUE(core::ensureFolder(at("a/b/Documenti_Allegati/")));  // already there

  write("blocker", "x");
  std::string why;
  EXPECT_FALSE(core::ensureFolder(at("blocker/"), &why));
  EXPECT_FALSE(why.empty());
  EXPECT_EQ(read("blocker"), "x");
}

TEST_F(AttachmentFiles, SameFileThroughAnotherSpelling) {
  fs::create_directories(root_ / "dir");
  write("dir/a.txt", "a");
  write("dir/b.txt", "b");
  EXPECT_TRUE(core::isSameFile(at("dir/a.txt"), at("dir/./a.txt")));
  EXPECT_TRUE(core::isSameFile(at("dir/a.txt"), at("dir/../dir/a.txt")));
  EXPECT_FALSE(core::isSameFile(at("dir/a.txt"), at("dir/b.txt")));
  EXPECT_FALSE(core::isSameFile(at("dir/a.txt"), at("dir/missing.txt")));
  EXPECT_FALSE(core::isSameFile(at("dir/missing.txt"), at("dir/missing.txt")));
}

}  // namespace
