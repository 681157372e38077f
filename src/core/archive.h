#pragma once
// Archive files: fixed-size records back to back, no header. Record n (from 0)
// starts at byte n * recordSize. Opened per user action and closed on every path.
#include <cstddef>
#include <cstdint>
#include <exception>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace core {

class RecordBuffer;

// Every failure to open, create, seek, read or write throws this.
class ArchiveError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class Archive {
 public:
  // Opens the file for reading and writing; a missing file is created empty (and its
  // folder flushed, so the new name reaches the disk). A file that exists but cannot
  // be opened throws and is left untouched (never re-created). Nothing is ever
  // truncated.
  Archive(const std::string& path, std::size_t recordSize);
  ~Archive();
  Archive(const Archive&) = delete;
  Archive& operator=(const Archive&) = delete;

  std::size_t recordSize() const { return recordSize_; }
  // Whole records only: a trailing partial record is not counted.
  std::size_t count() const;
  // Index of the next record to read or write.
  std::size_t position() const { return position_; }
  void seek(std::size_t index);
  // Reads the record at the position into `out` (recordSize bytes); throws past the end.
  void read(std::uint8_t* out);
  void read(RecordBuffer& buffer);
  // Reads up to `count` whole records from the position into `out` (room for count *
  // recordSize bytes) in one go, fewer at the end of the file; returns how many were
  // read and moves the position past them. For scans of a whole archive.
  std::size_t readRecords(std::uint8_t* out, std::size_t count);
  // The same from record `index`, leaving the position alone: several threads may
  // read parts of one archive at once.
  std::size_t readRecordsAt(std::size_t index, std::uint8_t* out, std::size_t count) const;
  // Writes recordSize bytes at the position (appending at index count(); a position
  // past that throws) and flushes them to the disk (fdatasync) before returning, so a
  // record reported saved survives a power cut. A failed write or flush throws after
  // putting back what was there, so no record is left half-written and a failed
  // append leaves the file as it was; when this archive created the file and no record
  // ever reached it, the file is removed, so the folder is as it was.
  void write(const std::uint8_t* data);
  void write(const RecordBuffer& buffer);
  void close();
  bool isOpen() const { return fd_ >= 0; }

 private:
  friend class ArchiveRecords;
  int fd_ = -1;
  std::size_t recordSize_;
  void removeCreatedFile();

  std::size_t position_ = 0;
  std::string path_;
  bool created_ = false;  // created by this archive and still without a record
};

// The records of an archive read again later, by index, from the file the archive has
// open: a view that shows records when they are needed (an export grid's rows, when
// they are painted or written) instead of copies of them. It keeps the file open for
// reading while it lives, whatever becomes of the archive object.
class ArchiveRecords {
 public:
  // Throws ArchiveError when the archive is closed or its file cannot be kept open.
  explicit ArchiveRecords(const Archive& archive);
  ~ArchiveRecords();
  ArchiveRecords(const ArchiveRecords&) = delete;
  ArchiveRecords& operator=(const ArchiveRecords&) = delete;

  std::size_t recordSize() const { return recordSize_; }
  // Reads up to `count` whole records from record `index` into `out` (room for count *
  // recordSize bytes); returns how many the file still holds there (fewer, or none, once
  // it has shrunk). A failed read counts as none. Several threads may read at once.
  std::size_t read(std::size_t index, std::uint8_t* out, std::size_t count) const;

 private:
  int fd_ = -1;
  std::size_t recordSize_;
};

// Hands every record from index 0 to the end (as counted when the scan starts) to
// `visit` as its raw bytes (recordSize of them, valid during the call) with its 0-based
// index; stops early when `visit` returns false. The file is read in large blocks, so a
// scan costs little more than a plain read of the file. A failed read throws; the
// records visited before it have been handed over.
void forEachRecordBytes(Archive& archive,
                        const std::function<bool(const std::uint8_t*, std::size_t)>& visit);
// The same, each record copied into `buffer` first.
void forEachRecord(Archive& archive, RecordBuffer& buffer,
                   const std::function<bool(const RecordBuffer&, std::size_t)>& visit);

// ---- Reading a long archive in parts side by side ------------------------------------
//
// A scan of a long archive is cut into a few parts, each read on a core of its own into
// results of its own, which are then joined in file order: the scan then costs about
// what a plain read of the file costs. What a part runs (a selection, a composed value)
// must read only the record and what it was given.

// Records [first, end) of a scan cut in parts.
struct ScanPart {
  std::size_t first = 0, end = 0;
};

// The parts a scan of `count` records is cut into, in file order: one part for a short
// archive (under 20,000 records), else as many as the cores, at most eight.
std::vector<ScanPart> scanParts(std::size_t count);

// Runs run(p) for every part p: part 0 on the calling thread, the others on the
// program's part threads (kept from the first call on) or, when those are busy or
// cannot be had, here after part 0; returns when all have ended. Returns the first part, in part order, that failed and its failure, or
// {parts, nullptr} when none did: the caller keeps what the parts before it (and the
// failed part, up to its failure) found, in file order, and rethrows.
struct PartFailure {
  std::size_t part;
  std::exception_ptr failure;
};
PartFailure runParts(std::size_t parts, const std::function<void(std::size_t)>& run);

// Makes the part threads now, in the background, each with the buffer its parts read
// records into, and readies the calling thread's buffer: the program calls it as it
// starts, so that the first long scan a user starts finds them ready (made at that
// scan, they would cost it a few milliseconds more). Without it, they are made then.
void preparePartThreads();

// Hands the records of [first, end) to `visit` as their raw bytes, read in large blocks
// at their index (the archive's position is left alone, so several parts of one
// archive may be read at once); stops early when `visit` returns false. Throws
// ArchiveError when a read fails or the file ends before `end`.
void forEachRecordBytesIn(const Archive& archive, ScanPart part,
                          const std::function<bool(const std::uint8_t*, std::size_t)>& visit);

}  // namespace core
