// Files written whole: the new content replaces the old only once it is on the disk;
// every failure, a full disk included, leaves the old file byte for byte and no
// temporary file behind.
#include "platform/files.h"

#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <functional>
#include <stdexcept>
#include <string>

#include "support/helpers.h"
#include "support/small_disk.h"

using platform::copyWholeFile;
using platform::PieceWriter;
using platform::writeWholeFile;

namespace {

QStringList entriesOf(const QString& folder) {
  return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

mode_t modeOf(const QString& path) {
  struct stat st {};
  return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? (st.st_mode & 07777) : 0;
}

class WholeFile : public ::testing::Test {
 protected:
  QStringList entries(const QString& folder = QString()) const {
    return entriesOf(folder.isEmpty() ? dir.path() : dir.file(folder));
  }
  TempExeDir dir;
};

TEST_F(WholeFile, CreatesAndReplacesKeepingPermissionsAndLinks) {
  QString why;
  ASSERT_TRUE(writeWholeFile(dir.file("a.ini"), QByteArray("first"), &why)) << why.toStdString();
  EXPECT_EQ(dir.read("a.ini"), "first");
  EXPECT_TRUE(why.isEmpty());

  // Longer before than after: nothing of the old file may remain.
  dir.write("b.jpg", QByteArray(100000, 'x'));
  ASSERT_EQ(::chmod(QFile::encodeName(dir.file("b.jpg")).constData(), 0600), 0);
  ASSERT_TRUE(writeWholeFile(dir.file("b.jpg"), QByteArray("\0\1\2 short", 9)));
  EXPECT_EQ(dir.read("b.jpg"), QByteArray("\0\1\2 short", 9));
  EXPECT_EQ(modeOf(dir.file("b.jpg")), mode_t{0600});

  // Through a link: the file it points to is replaced, the link stays a link.
  ASSERT_TRUE(QFile::link(dir.file("a.ini"), dir.file("link.ini")));
  ASSERT_TRUE(writeWholeFile(dir.file("link.ini"), QByteArray("through the link")));
  EXPECT_TRUE(QFileInfo(dir.file("link.ini")).isSymLink());
  EXPECT_EQ(dir.read("a.ini"), "through the link");

  // An empty content is a file of no bytes, not a failure.
  ASSERT_TRUE(writeWholeFile(dir.file("empty"), QByteArray()));
  EXPECT_TRUE(dir.exists("empty"));
  EXPECT_EQ(dir.read("empty"), "");

  EXPECT_EQ(entries(), QStringList({"a.ini", "b.jpg", "empty", "link.ini"}));  // no temporary file left
}

TEST_F(WholeFile, PiecesMakeOneFile) {
  ASSERT_TRUE(writeWholeFile(dir.file("p.xls"), [](const PieceWriter& write) {
    return write("one ") && write("") && write("two ") && write(std::string(3 << 20, 'z'));
  }));
  EXPECT_EQ(dir.read("p.xls"), "one two " + QByteArray(3 << 20, 'z'));
}

TEST_F(WholeFile, FailuresLeaveTheOldFileWholeAndNoTemporaryFile) {
  const QByteArray old = "old content";
  struct Case {
    const char* name;
    QString path;
    std::function<bool(const PieceWriter&)> produce;
  } cases[] = {
      {"a folder in its place", dir.file("folder"), [](const PieceWriter& w) { return w("new"); }},
      {"a pipe in its place", dir.file("pipe"), [](const PieceWriter& w) { return w("new"); }},
      {"missing folder", dir.file("nowhere/f.ini"), [](const PieceWriter& w) { return w("new"); }},
      {"producer gives up halfway", dir.file("f.ini"), [](const PieceWriter& w) { return w("half") && false; }},
  };
  ASSERT_TRUE(QDir(dir.path()).mkdir("folder"));
  ASSERT_EQ(::mkfifo(QFile::encodeName(dir.file("pipe")).constData(), 0644), 0);
  dir.write("f.ini", old);
  const QStringList before = entries();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    QString why;
    EXPECT_FALSE(writeWholeFile(c.path, c.produce, &why));
    EXPECT_FALSE(why.isEmpty());
    EXPECT_EQ(dir.read("f.ini"), old);
    EXPECT_EQ(entries(), before);
  }
  EXPECT_TRUE(QFileInfo(dir.file("folder")).isDir());

  // A producer's own exception passes on, after the temporary file has gone.
  EXPECT_THROW(writeWholeFile(dir.file("f.ini"),
                              [](const PieceWriter& w) -> bool {
                                w("partial");
                                throw std::runtime_error("no more");
                              }),
               std::runtime_error);
  EXPECT_EQ(dir.read("f.ini"), old);
  EXPECT_EQ(entries(), before);
}

// ---- A full disk ------------------------------------------------------------------

TEST(WholeFileFullDisk, NothingFitsAndTheOldFileStaysByteForByte) {
  SmallDisk disk;
  if (!disk.mounted()) GTEST_SKIP() << disk.skipReason().toStdString();
  const QByteArray old(20000, 'o');
  disk.write("unins000.dll", old);
  disk.write("source.bin", QByteArray(8000, 's'));
  disk.fill();
  const QStringList before = disk.entries();

  struct Case {
    const char* name;
    std::function<bool(QString*)> write;
  } cases[] = {
      {"a few bytes", [&](QString* why) { return writeWholeFile(disk.file("unins000.dll"), QByteArray("x"), why); }},
      {"more than the old file",
       [&](QString* why) { return writeWholeFile(disk.file("unins000.dll"), QByteArray(300000, 'n'), why); }},
      {"a copy", [&](QString* why) { return copyWholeFile(disk.file("source.bin"), disk.file("unins000.dll"), why); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    QString why;
    EXPECT_FALSE(c.write(&why));
    EXPECT_TRUE(why.contains(QStringLiteral("unins000.dll"))) << why.toStdString();
    EXPECT_EQ(disk.read("unins000.dll"), old);
    EXPECT_EQ(disk.entries(), before);
  }

  // A producer learns of the failure and can stop.
  int calls = 0;
  EXPECT_FALSE(writeWholeFile(disk.file("unins000.dll"), [&](const PieceWriter& write) {
    for (int i = 0; i < 100; ++i) {
      ++calls;
      if (!write(std::string(4096, 'p'))) return false;
    }
    return true;
  }));
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(disk.read("unins000.dll"), old);
  EXPECT_EQ(disk.entries(), before);

  // Room again: the same write goes through.
  ASSERT_TRUE(QFile::remove(disk.file(QString::fromLatin1(SmallDisk::kFiller))));
  EXPECT_TRUE(writeWholeFile(disk.file("unins000.dll"), QByteArray("new")));
  EXPECT_EQ(disk.read("unins000.dll"), "new");
  EXPECT_EQ(disk.entries(), QStringList({"source.bin", "unins000.dll"}));
}

// ---- Copies -----------------------------------------------------------------------

TEST_F(WholeFile, CopyCreatesAndReplaces) {
  QDir(dir.path()).mkdir("dest");
  dir.write("new.bin", QByteArray("\0\x01\xff binary", 10));
  ASSERT_TRUE(copyWholeFile(dir.file("new.bin"), dir.file("dest/doc.bin")));
  EXPECT_EQ(dir.read("dest/doc.bin"), QByteArray("\0\x01\xff binary", 10));

  dir.write("newer.bin", "second");
  ASSERT_TRUE(copyWholeFile(dir.file("newer.bin"), dir.file("dest/doc.bin")));
  EXPECT_EQ(dir.read("dest/doc.bin"), "second");
  EXPECT_EQ(dir.read("newer.bin"), "second");
  EXPECT_EQ(entries("dest"), QStringList{"doc.bin"});  // no temporary file left behind
}

TEST_F(WholeFile, FailedCopyKeepsTheFileAlreadyThere) {
  QDir(dir.path()).mkpath("dest");
  QDir(dir.path()).mkpath("a folder");
  dir.write("dest/doc.pdf", "original");
  // A leftover temporary-looking name from an earlier run is neither used nor removed.
  dir.write("dest/doc.pdf.tmp0", "someone else's");
  ASSERT_EQ(::mkfifo(QFile::encodeName(dir.file("a pipe")).constData(), 0644), 0);

  struct Case {
    const char* name;
    QString source;
    QString destination;
  } cases[] = {
      {"missing source", dir.file("gone.pdf"), dir.file("dest/doc.pdf")},
      {"source is a folder", dir.file("a folder"), dir.file("dest/doc.pdf")},
      {"source is a pipe", dir.file("a pipe"), dir.file("dest/doc.pdf")},
      {"destination folder missing", dir.file("dest/doc.pdf.tmp0"), dir.file("nowhere/doc.pdf")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    QString why;
    EXPECT_FALSE(copyWholeFile(c.source, c.destination, &why));
    EXPECT_FALSE(why.isEmpty());
    EXPECT_EQ(dir.read("dest/doc.pdf"), "original");
    EXPECT_EQ(dir.read("dest/doc.pdf.tmp0"), "someone else's");
    EXPECT_EQ(entries("dest"), QStringList({"doc.pdf", "doc.pdf.tmp0"}));
  }

  // Replacing a folder with a file fails and leaves the folder.
  QDir(dir.path()).mkpath("dest/sub");
  dir.write("src.txt", "s");
  EXPECT_FALSE(copyWholeFile(dir.file("src.txt"), dir.file("dest/sub")));
  EXPECT_TRUE(QFileInfo(dir.file("dest/sub")).isDir());
  EXPECT_EQ(entries("dest"), QStringList({"doc.pdf", "doc.pdf.tmp0", "sub"}));
}

}  // namespace
