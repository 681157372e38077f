#include "core/archive.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <cerrno>
#include <cstring>
#include <system_error>
#include <thread>
#include <vector>

#include "core/record.h"

namespace core {

namespace {
// The most parts a scan is cut into: more cores than this find the disk cache's copy
// of the file, not the work, the limit.
constexpr std::size_t kMaxParts = 8;

// As many parts as the cores, at most kMaxParts.
std::size_t partsAtMost() {
  return std::clamp<std::size_t>(std::thread::hardware_concurrency(), 1, kMaxParts);
}

// Runs part p, keeping its failure.
void runCaught(const std::function<void(std::size_t)>& run, std::size_t p, std::exception_ptr& failure) {
  try {
    run(p);
  } catch (...) {
    failure = std::current_exception();
  }
}

std::string describe(const std::string& what, const std::string& path) {
  return what + " " + path + ": " + std::strerror(errno);
}

// Flushes the folder holding `path`, where the file system can.
void syncFolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  const std::string folder = slash == std::string::npos ? "." : (slash == 0 ? "/" : path.substr(0, slash));
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  [[maybe_unused]] const int rc = ::fsync(fd);
  ::close(fd);
}
}  // namespace

Archive::Archive(const std::string& path, std::size_t recordSize) : recordSize_(recordSize), path_(path) {
  if (recordSize_ == 0) throw ArchiveError("record size 0");
  fd_ = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
  if (fd_ < 0 && errno == ENOENT) {
    // Only a missing file is created; O_EXCL keeps us from ever clobbering one.
    fd_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd_ >= 0) {
      created_ = true;
      // Its name is on the disk too, so the records about to be written into it
      // cannot be lost with it in a power cut.
      syncFolderOf(path);
    } else if (errno == EEXIST) {
      // Someone else created it meanwhile: open theirs.
      fd_ = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
    }
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

namespace {

// Reads up to `len` bytes at `offset`; returns how many were there (fewer at the end).
std::size_t readAt(int fd, std::uint8_t* out, std::size_t len, off_t offset, const std::string& path) {
  std::size_t done = 0;
  while (done < len) {
    ssize_t n = ::pread(fd, out + done, len - done, offset + static_cast<off_t>(done));
    if (n < 0) {
      if (errno == EINTR) continue;
      throw ArchiveError(describe("cannot read", path));
    }
    if (n == 0) break;
    done += static_cast<std::size_t>(n);
  }
  return done;
}

// Writes all `len` bytes at `offset`; false (errno set) on failure.
bool writeAt(int fd, const std::uint8_t* data, std::size_t len, off_t offset) {
  std::size_t done = 0;
  while (done < len) {
    ssize_t n = ::pwrite(fd, data + done, len - done, offset + static_cast<off_t>(done));
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (n == 0) {
      errno = EIO;
      return false;
    }
    done += static_cast<std::size_t>(n);
  }
  return true;
}

}  // namespace

void Archive::read(std::uint8_t* out) {
  if (fd_ < 0) throw ArchiveError("archive closed: " + path_);
  const off_t base = static_cast<off_t>(position_ * recordSize_);
  if (readAt(fd_, out, recordSize_, base, path_) != recordSize_)
    throw ArchiveError("read past the end of " + path_);
  ++position_;
}

std::size_t Archive::readRecords(std::uint8_t* out, std::size_t count) {
  const std::size_t records = readRecordsAt(position_, out, count);
  position_ += records;
  return records;
}

std::size_t Archive::readRecordsAt(std::size_t index, std::uint8_t* out, std::size_t count) const {
  if (fd_ < 0) throw ArchiveError("archive closed: " + path_);
  const off_t base = static_cast<off_t>(index * recordSize_);
  return readAt(fd_, out, count * recordSize_, base, path_) / recordSize_;
}

void Archive::write(const std::uint8_t* data) {
  if (fd_ < 0) throw ArchiveError("archive closed: " + path_);
  struct stat st {};
  if (::fstat(fd_, &st) != 0) throw ArchiveError(describe("cannot stat", path_));
  const auto size = static_cast<std::size_t>(st.st_size);
  // Records are overwritten or appended, never written past the end (that would
  // leave a gap of empty records).
  if (position_ > size / recordSize_) throw ArchiveError("write past the end of " + path_);
  const off_t base = static_cast<off_t>(position_ * recordSize_);
  // What the write replaces, so a failed write can put it back: the old record,
  // or for an append the old end of the file.
  std::vector<std::uint8_t> old(recordSize_);
  const std::size_t oldLen = readAt(fd_, old.data(), recordSize_, base, path_);
  // A record reported saved must survive a power cut: it is on the disk before
  // write() returns (fdatasync also carries the new size of an append).
  if (!writeAt(fd_, data, recordSize_, base) || ::fdatasync(fd_) != 0) {
    const int failure = errno;
    writeAt(fd_, old.data(), oldLen, base);
    if (oldLen < recordSize_) {
      [[maybe_unused]] const int rc = ::ftruncate(fd_, static_cast<off_t>(size));
    }
    [[maybe_unused]] const int rc = ::fdatasync(fd_);
    // A file this archive created for records that could not be written goes again:
    // the folder is as it was (a full disk leaves no empty archive behind).
    if (created_ && size == 0) removeCreatedFile();
    errno = failure;
    throw ArchiveError(describe("cannot write", path_));
  }
  created_ = false;  // it holds a record now: it stays
  ++position_;
}

void Archive::removeCreatedFile() {
  created_ = false;
  // Only the file this archive opened: never another that took its name meanwhile.
  struct stat mine {}, named {};
  if (::fstat(fd_, &mine) != 0 || ::stat(path_.c_str(), &named) != 0) return;
  if (mine.st_dev != named.st_dev || mine.st_ino != named.st_ino || named.st_size != 0) return;
  if (::unlink(path_.c_str()) == 0) syncFolderOf(path_);
}

void Archive::read(RecordBuffer& buffer) {
  if (buffer.size() != recordSize_) throw ArchiveError("record size mismatch: " + path_);
  read(buffer.data());
}

void Archive::write(const RecordBuffer& buffer) {
  if (buffer.size() != recordSize_) throw ArchiveError("record size mismatch: " + path_);
  write(buffer.data());
}

ArchiveRecords::ArchiveRecords(const Archive& archive) : recordSize_(archive.recordSize()) {
  if (archive.fd_ < 0) throw ArchiveError("archive closed: " + archive.path_);
  fd_ = ::fcntl(archive.fd_, F_DUPFD_CLOEXEC, 0);
  if (fd_ < 0) throw ArchiveError(describe("cannot keep open", archive.path_));
}

ArchiveRecords::~ArchiveRecords() { ::close(fd_); }

std::size_t ArchiveRecords::read(std::size_t index, std::uint8_t* out, std::size_t count) const {
  try {
    return readAt(fd_, out, count * recordSize_, static_cast<off_t>(index * recordSize_), std::string()) / recordSize_;
  } catch (const ArchiveError&) {
    return 0;
  }
}

namespace {

// The buffer a part of a scan reads its records into: 64 KiB, large enough for a read
// to cost about what a plain read costs, small enough to stay in the cache while the
// records are looked at. Each thread keeps its own for its life (the part threads
// live as long as the program), so a scan touches no new memory for it after the
// thread's first; a scan that runs inside another's part on the same thread uses one
// of its own.
constexpr std::size_t kReadBytes = std::size_t{64} << 10;

// This thread's kept buffer, made (and its pages touched) at the first call.
std::uint8_t* threadReadBuffer() {
  thread_local std::unique_ptr<std::uint8_t[]> kept;
  if (!kept) {
    kept.reset(new std::uint8_t[kReadBytes]);
    std::memset(kept.get(), 0, kReadBytes);
  }
  return kept.get();
}

class ReadBuffer {
 public:
  explicit ReadBuffer(std::size_t bytes) {
    thread_local bool inUse = false;
    if (bytes <= kReadBytes && !inUse) {
      inUse = true;
      inUse_ = &inUse;
      data_ = threadReadBuffer();
    } else {
      own_.reset(new std::uint8_t[bytes]);
      data_ = own_.get();
    }
  }
  ~ReadBuffer() {
    if (inUse_) *inUse_ = false;
  }
  ReadBuffer(const ReadBuffer&) = delete;
  ReadBuffer& operator=(const ReadBuffer&) = delete;
  std::uint8_t* data() { return data_; }

 private:
  std::uint8_t* data_ = nullptr;
  bool* inUse_ = nullptr;
  std::unique_ptr<std::uint8_t[]> own_;
};

}  // namespace

void forEachRecordBytesIn(const Archive& archive, ScanPart part,
                          const std::function<bool(const std::uint8_t*, std::size_t)>& visit) {
  const std::size_t size = archive.recordSize();
  if (part.end <= part.first) return;
  const std::size_t perBatch = std::max<std::size_t>(1, kReadBytes / size);
  ReadBuffer batch(std::min(perBatch, part.end - part.first) * size);
  for (std::size_t index = part.first; index < part.end;) {
    const std::size_t got = archive.readRecordsAt(index, batch.data(), std::min(perBatch, part.end - index));
    if (got == 0) throw ArchiveError("the archive ended while it was read");
    for (std::size_t k = 0; k < got; ++k, ++index) {
      if (!visit(batch.data() + k * size, index)) return;
    }
  }
}

void forEachRecordBytes(Archive& archive,
                        const std::function<bool(const std::uint8_t*, std::size_t)>& visit) {
  const std::size_t count = archive.count();
  archive.seek(0);
  forEachRecordBytesIn(archive, {0, count}, visit);
}

std::vector<ScanPart> scanParts(std::size_t count) {
  // Below this a scan is over before threads would pay for themselves.
  constexpr std::size_t kPartsFrom = 20000;
  const std::size_t parts = count < kPartsFrom ? 1 : partsAtMost();
  std::vector<ScanPart> out;
  for (std::size_t p = 0; p < parts; ++p) out.push_back({count * p / parts, count * (p + 1) / parts});
  return out;
}

namespace {

// The threads the parts of scans and sorts run on: made once, when first needed, and
// kept for the life of the program. Making and ending a thread for every part of every
// scan costs about a millisecond a scan, more than a scan of thousands of records.
//
// A job's parts are claimed one by one, by the caller and by any idle thread, so a job
// never waits on threads that are busy elsewhere (a part may itself run parts): the
// caller runs whatever nobody else has claimed.
class PartThreads {
 public:
  struct Job {
    const std::function<void(std::size_t)>* run = nullptr;
    std::size_t parts = 0;
    std::atomic<std::size_t> next{1};  // the next part not yet claimed (0 is the caller's)
    std::size_t finished = 0;           // under the threads' lock
    std::vector<std::exception_ptr> failures;
    std::condition_variable allFinished;
  };

  // The threads, made at the first call; null when no thread could be had.
  static PartThreads* get() {
    static PartThreads* threads = make();
    return threads;
  }

  // Runs every part of the job (the calling thread takes part in it) and returns when
  // all have ended.
  void run(const std::shared_ptr<Job>& job) {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      jobs_.push_back(job);
    }
    wake_.notify_all();
    // Part 0 is the caller's own, as when there are no threads.
    runPart(*job, 0);
    work(*job);
    std::unique_lock<std::mutex> lock(mutex_);
    job->allFinished.wait(lock, [&] { return job->finished == job->parts; });
    jobs_.erase(std::remove(jobs_.begin(), jobs_.end(), job), jobs_.end());
  }

 private:
  // The process keeps the threads to its end: they are never joined, so no part can
  // be waiting on them while the program's statics go.
  static PartThreads* make() {
    const std::size_t count = partsAtMost() - 1;
    if (count == 0) return nullptr;
    auto* threads = new PartThreads;
    try {
      for (std::size_t made = 0; made < count; ++made)
        std::thread([threads] {
          threadReadBuffer();  // ready before the first part comes
          threads->serve();
        }).detach();
    } catch (const std::system_error&) {
      // Fewer threads: the callers run the parts left.
    }
    return threads;
  }

  void runPart(Job& job, std::size_t p) {
    runCaught(*job.run, p, job.failures[p]);
    std::lock_guard<std::mutex> lock(mutex_);
    if (++job.finished == job.parts) job.allFinished.notify_all();
  }

  // Runs parts of `job` as long as any is left unclaimed.
  void work(Job& job) {
    for (std::size_t p; (p = job.next.fetch_add(1)) < job.parts;) runPart(job, p);
  }

  void serve() {
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
      wake_.wait(lock, [&] {
        return std::any_of(jobs_.begin(), jobs_.end(), [](const auto& j) { return j->next.load() < j->parts; });
      });
      for (const std::shared_ptr<Job>& open : jobs_) {
        if (open->next.load() >= open->parts) continue;
        const std::shared_ptr<Job> job = open;  // kept while its parts run
        lock.unlock();
        work(*job);
        lock.lock();
        break;
      }
    }
  }

  std::mutex mutex_;
  std::condition_variable wake_;
  std::vector<std::shared_ptr<Job>> jobs_;  // jobs with parts not all ended
};

}  // namespace

void preparePartThreads() {
  threadReadBuffer();
  try {
    std::thread([] { PartThreads::get(); }).detach();
  } catch (const std::system_error&) {
    // Made at the first long scan instead.
  }
}

PartFailure runParts(std::size_t parts, const std::function<void(std::size_t)>& run) {
  auto job = std::make_shared<PartThreads::Job>();
  job->run = &run;
  job->parts = parts;
  job->failures.resize(parts);
  PartThreads* threads = parts > 1 ? PartThreads::get() : nullptr;
  if (threads) {
    threads->run(job);
  } else {
    for (std::size_t p = 0; p < parts; ++p) runCaught(run, p, job->failures[p]);
  }
  for (std::size_t p = 0; p < parts; ++p)
    if (job->failures[p]) return {p, job->failures[p]};
  return {parts, nullptr};
}

void forEachRecord(Archive& archive, RecordBuffer& buffer,
                   const std::function<bool(const RecordBuffer&, std::size_t)>& visit) {
  if (buffer.size() != archive.recordSize()) throw ArchiveError("record size mismatch");
  forEachRecordBytes(archive, [&](const std::uint8_t* bytes, std::size_t index) {
    std::memcpy(buffer.data(), bytes, buffer.size());
    return visit(buffer, index);
  });
}

}  // namespace core
