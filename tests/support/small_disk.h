#pragma once
// A small filesystem of the test's own (tmpfs), mounted for the object's life and
// made the executable's folder, which a test can fill to the last byte: what a
// user's full disk does to the program, without touching the real disk.
//
// Mounting needs root (tests run as root here and in CI). Without it, or where the
// system refuses the mount, mounted() is false and skipReason() says why:
//
//   SmallDisk disk;
//   if (!disk.mounted()) GTEST_SKIP() << disk.skipReason();
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <unistd.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "platform/paths.h"

class SmallDisk {
 public:
  explicit SmallDisk(std::size_t bytes = 512 * 1024) {
    if (::geteuid() != 0) {
      reason_ = QStringLiteral("a full disk is reproduced on a small tmpfs, and mounting one needs root");
      return;
    }
    const std::string point = QFile::encodeName(dir_.path()).toStdString();
    const std::string options = "size=" + std::to_string(bytes) + ",mode=0755";
    if (::mount("tmpfs", point.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, options.c_str()) != 0) {
      reason_ = QStringLiteral("cannot mount a small tmpfs for a full disk: ") + QString::fromLocal8Bit(std::strerror(errno));
      return;
    }
    mounted_ = true;
    platform::setExeDir(dir_.path());
  }
  // Unmounts on every path, a failed test included (lazily when something still
  // holds a file open), and the temporary folder removes the mount point.
  ~SmallDisk() {
    if (!mounted_) return;
    platform::setExeDir(QString());
    const std::string point = QFile::encodeName(dir_.path()).toStdString();
    if (::umount2(point.c_str(), 0) != 0) ::umount2(point.c_str(), MNT_DETACH);
  }
  SmallDisk(const SmallDisk&) = delete;
  SmallDisk& operator=(const SmallDisk&) = delete;

  bool mounted() const { return mounted_; }
  QString skipReason() const { return reason_; }

  QString path() const { return dir_.path(); }
  QString file(const QString& name) const { return dir_.filePath(name); }
  QByteArray read(const QString& name) const {
    QFile f(file(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
  void write(const QString& name, const QByteArray& bytes) const {
    QFile f(file(name));
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size() || !f.flush())
      ADD_FAILURE() << "cannot write " << name.toStdString();
  }
  // Every entry of `folder` (relative to the disk), hidden ones included, sorted.
  QStringList entries(const QString& folder = QString()) const {
    return QDir(folder.isEmpty() ? path() : file(folder))
        .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
  }

  // Fills the disk: one filler file grows until the disk refuses another byte.
  void fill() const {
    const std::string filler = QFile::encodeName(file(QString::fromLatin1(kFiller))).toStdString();
    FILE* f = std::fopen(filler.c_str(), "ab");
    if (!f) {
      ADD_FAILURE() << "cannot create the filler file";
      return;
    }
    std::setvbuf(f, nullptr, _IONBF, 0);
    const std::vector<char> block(4096, '\0');
    while (std::fwrite(block.data(), 1, block.size(), f) == block.size()) {
    }
    while (std::fwrite(block.data(), 1, 1, f) == 1) {
    }
    std::fclose(f);
  }
  // The name of the filler file, which entries() lists once the disk is full.
  static constexpr const char* kFiller = "filler.bin";

 private:
  QTemporaryDir dir_;
  bool mounted_ = false;
  QString reason_;
};
