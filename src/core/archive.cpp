#include "core/archive.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "core/record.h"

namespace core {

namespace {
std::string describe(const std::string& what, const std::string& path) {
  return what + " " + path + ": " + std::strerror(errno);
}
}  // namespace

Archive::Archive(const std::string& path, std::size_t recordSize) : recordSize_(recordSize), path_(path) {
  if (recordSize_ == 0) throw ArchiveError("record size 0");
  fd_ = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
  if (fd_ < 0 && errno == ENOENT) {
    // Only a missing file is created; O_EXCL keeps us from ever clobbering one.
    fd_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
  }
  if (fd_ < 0) throw ArchiveError(describe("cannot open", path));
  struct stat st {};
  if (::fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd_);
    fd_ = -1;
    throw ArchiveError("not an archive file: " + path);
  }
}

Archive::~Archive() { close(); }

void Archive::close() {
  if (fd_ >= 0) {
    ::close(fd_);
    fd_ = -1;
  }
}

std::size_t Archive::count() const {
  if (fd_ < 0) throw ArchiveError("archive closed: " + path_);
  struct stat st {};
  if (::fstat(fd_, &st) != 0) throw ArchiveError(describe("cannot stat", path_));
  return static_cast<std::size_t>(st.st_size) / recordSize_;
}

void Archive::seek(std::size_t index) {
  if (fd_ < 0) throw ArchiveError("archive closed: " + path_);
  position_ = index;
}

void Archive::read(std::uint8_t* out) {
  if (fd_ < 0) throw ArchiveError("archive closed: " + path_);
  std::size_t done = 0;
  const off_t base = static_cast<off_t>(position_ * recordSize_);
  while (done < recordSize_) {
    ssize_t n = ::pread(fd_, out + done, recordSize_ - done, base + static_cast<off_t>(done));
    if (n < 0) {
      if (errno == EINTR) continue;
      throw ArchiveError(describe("cannot read", path_));
    }
    if (n == 0) throw ArchiveError("read past the end of " + path_);
    done += static_cast<std::size_t>(n);
  }
  ++position_;
}

void Archive::write(const std::uint8_t* data) {
  if (fd_ < 0) throw ArchiveError("archive closed: " + path_);
  std::size_t done = 0;
  const off_t base = static_cast<off_t>(position_ * recordSize_);
  while (done < recordSize_) {
    ssize_t n = ::pwrite(fd_, data + done, recordSize_ - done, base + static_cast<off_t>(done));
    if (n < 0) {
      if (errno == EINTR) continue;
      throw ArchiveError(describe("cannot write", path_));
    }
    done += static_cast<std::size_t>(n);
  }
  ++position_;
}

void Archive::read(RecordBuffer& buffer) {
  if (buffer.size() != recordSize_) throw ArchiveError("record size mismatch: " + path_);
  read(buffer.data());
}

void Archive::write(const RecordBuffer& buffer) {
  if (buffer.size() != recordSize_) throw ArchiveError("record size mismatch: " + path_);
  write(buffer.data());
}

}  // namespace core
