#include "platform/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "platform/qtext.h"

namespace platform {

namespace {

// Qt's QSaveFile is not used: in Qt 6.4 its commit() reported success after a flush
// had failed on a full disk, leaving an empty file in place of the old one. Every step
// here is a system call whose result is checked.

QString reason(const char* what, const std::string& path, int err) {
  return QString::fromLatin1(what) + QLatin1Char(' ') + QFile::decodeName(path.c_str()) + QStringLiteral(": ") +
         QString::fromLocal8Bit(std::strerror(err));
}

void fail(QString* error, const QString& text) {
  if (error) *error = text;
}

std::string folderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

// Where the content goes and what the file there is now.
struct Target {
  std::string path;
  bool exists = false;
  mode_t mode = 0;
};

bool resolve(const std::string& given, Target& target, QString* error) {
  target.path = given;
  struct stat st {};
  // A link to a file: the file is replaced, the link kept. A dangling link is replaced.
  if (::lstat(given.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
    if (char* real = ::realpath(given.c_str(), nullptr)) {
      target.path = real;
      std::free(real);
    }
  }
  if (::stat(target.path.c_str(), &st) != 0) {
    if (errno == ENOENT) return true;
    fail(error, reason("cannot write", target.path, errno));
    return false;
  }
  if (S_ISDIR(st.st_mode)) {
    fail(error, QStringLiteral("cannot write ") + QFile::decodeName(target.path.c_str()) +
                    QStringLiteral(": a folder is in its place"));
    return false;
  }
  if (!S_ISREG(st.st_mode)) {
    fail(error, QStringLiteral("cannot write ") + QFile::decodeName(target.path.c_str()) +
                    QStringLiteral(": not a regular file"));
    return false;
  }
  // A file the user made read-only (or that is immutable) is not replaced behind
  // their back, although the folder would allow the rename.
  if (::access(target.path.c_str(), W_OK) != 0) {
    fail(error, reason("cannot write", target.path, errno));
    return false;
  }
  target.exists = true;
  target.mode = st.st_mode & 07777;
  return true;
}

// Creates a new temporary file in `folder`: its descriptor, or -1 with errno set.
int createTemporary(const std::string& folder, std::string& name) {
  static std::atomic<unsigned> counter{0};
  int fd = -1;
  for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
    // Short and independent of the file's own name, which may already be as long as
    // a name can be.
    name = folder + "/.~velmora-" + std::to_string(::getpid()) + "-" + std::to_string(counter++) + ".tmp";
    fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && errno != EEXIST) break;
  }
  return fd;
}

bool writeAll(int fd, std::string_view data) {
  while (!data.empty()) {
    const ssize_t n = ::write(fd, data.data(), data.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (n == 0) {
      errno = EIO;
      return false;
    }
    data.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

// Flushes the folder, so that the entries renamed in it survive a power cut.
bool syncFolder(const std::string& folder, int& err) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) {
    err = errno;
    return false;
  }
  bool ok = ::fsync(fd) == 0;
  err = errno;
  // Some file systems cannot flush a folder at all: nothing is left to do there.
  if (!ok && (err == EINVAL || err == ENOTSUP || err == EOPNOTSUPP)) ok = true;
  ::close(fd);
  return ok;
}

// The one routine. `produce` hands the content to the writer; when it gives up it may
// say why in `produceError` (else the failed write says it).
bool writeWhole(const std::string& path, const std::function<bool(const PieceWriter&)>& produce,
                QString* produceError, QString* error) {
  Target target;
  if (!resolve(path, target, error)) return false;
  const std::string folder = folderOf(target.path);

  std::string temp;
  int fd = createTemporary(folder, temp);
  if (fd < 0) {
    fail(error, reason("cannot create a file in", folder, errno));
    return false;
  }
  auto abandon = [&](const QString& text) {
    if (fd >= 0) ::close(fd);
    ::unlink(temp.c_str());
    fail(error, text);
    return false;
  };

  if (target.exists && ::fchmod(fd, target.mode) != 0) return abandon(reason("cannot write", temp, errno));

  int writeErr = 0;
  const PieceWriter write = [&](std::string_view piece) {
    if (writeErr != 0) return false;
    if (writeAll(fd, piece)) return true;
    writeErr = errno;
    return false;
  };
  bool produced = false;
  try {
    produced = produce(write);
  } catch (...) {
    abandon(QString());
    throw;
  }
  if (writeErr != 0) return abandon(reason("cannot write", target.path, writeErr));
  if (!produced) {
    return abandon(produceError && !produceError->isEmpty()
                       ? *produceError
                       : QStringLiteral("cannot write ") + QFile::decodeName(target.path.c_str()) +
                             QStringLiteral(": the content could not be made"));
  }
  if (::fsync(fd) != 0) return abandon(reason("cannot write", target.path, errno));
  const int closed = ::close(fd);
  fd = -1;
  if (closed != 0) return abandon(reason("cannot write", target.path, errno));
  if (::rename(temp.c_str(), target.path.c_str()) != 0) return abandon(reason("cannot replace", target.path, errno));

  int err = 0;
  if (!syncFolder(folder, err)) {
    fail(error, reason("the new file may not survive a power cut: cannot flush", folder, err));
    return false;
  }
  return true;
}

}  // namespace

bool writeWholeFile(const QString& path, QByteArrayView bytes, QString* error) {
  return writeWhole(
      toLocalPath(path),
      [bytes](const PieceWriter& write) {
        return write(std::string_view(bytes.data(), static_cast<std::size_t>(bytes.size())));
      },
      nullptr, error);
}

bool writeWholeFile(const QString& path, const std::function<bool(const PieceWriter& write)>& produce,
                    QString* error) {
  return writeWhole(toLocalPath(path), produce, nullptr, error);
}

bool copyWholeFile(const QString& source, const QString& destination, QString* error) {
  const std::string from = toLocalPath(source);
  // Not blocked by a pipe in the source's place; a regular file reads as usual.
  const int in = ::open(from.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (in < 0) {
    fail(error, reason("cannot read", from, errno));
    return false;
  }
  struct stat st {};
  QString refused;
  if (::fstat(in, &st) != 0) refused = reason("cannot read", from, errno);
  else if (S_ISDIR(st.st_mode)) refused = QStringLiteral("cannot copy ") + source + QStringLiteral(": it is a folder");
  else if (!S_ISREG(st.st_mode)) refused = QStringLiteral("cannot copy ") + source + QStringLiteral(": not a regular file");
  if (!refused.isEmpty()) {
    ::close(in);
    fail(error, refused);
    return false;
  }
  QString readError;
  const bool ok = writeWhole(
      toLocalPath(destination),
      [&](const PieceWriter& write) {
        std::vector<char> buffer(std::size_t{1} << 20);
        for (;;) {
          const ssize_t n = ::read(in, buffer.data(), buffer.size());
          if (n < 0) {
            if (errno == EINTR) continue;
            readError = reason("cannot read", from, errno);
            return false;
          }
          if (n == 0) return true;
          if (!write(std::string_view(buffer.data(), static_cast<std::size_t>(n)))) return false;
        }
      },
      &readError, error);
  ::close(in);
  return ok;
}

}  // namespace platform
