#pragma once
// Where a window's records live, and the one way every reader and writer of the kit
// opens them. An archive is named in one of three ways:
//
//   kit::ArchiveSource::fixed("Parco_Automezzi.pro", &vehicles::vehicleLayout())
//       a fixed file beside the executable;
//   kit::ArchiveSource::yearly([this] { return yearFileName(); }, &layout)
//       a file beside the executable named anew at each use (a year + extension);
//       an empty name refuses the use, silently: the function has told the user why;
//   kit::ArchiveSource::fromControl(lblFile, &layout)
//       the full path held, trimmed, in a control (the hidden label lblFile of the
//       yearly cards, set when a year is opened); anything but a full path there (the
//       design text, nothing) fails to open, as a missing folder would.
//
// The layout gives the record size and must outlive the source.
#include <QPointer>
#include <QString>
#include <QWidget>
#include <cstddef>
#include <functional>

#include "core/archive.h"
#include "core/record.h"

namespace kit {

struct ArchiveSource {
  // Every member has a default, so a designated initializer may name only what it sets.
  const core::RecordLayout* layout = nullptr;
  QString fileName = {};                     // beside the executable
  std::function<QString()> yearlyName = {};  // beside the executable, named at each use
  QPointer<QWidget> control = {};            // holds the full path

  static ArchiveSource fixed(const QString& fileName, const core::RecordLayout* layout = nullptr);
  static ArchiveSource yearly(std::function<QString()> name, const core::RecordLayout* layout = nullptr);
  static ArchiveSource fromControl(QWidget* control, const core::RecordLayout* layout = nullptr);
};

// A use refused by a yearly name that came back empty: nothing was opened and the
// user has already been told why. Every catch of core::ArchiveError also catches it;
// a window that shows the access error lets this one pass in silence.
class ArchiveRefused : public core::ArchiveError {
 public:
  ArchiveRefused();
};

// The archive's full path for one use (the yearly name is asked once). Throws
// ArchiveRefused for a refused yearly name.
QString archivePath(const ArchiveSource& source);

// Opens the archive `source` names (created empty when missing, never truncated; see
// core::Archive). Throws core::ArchiveError when it cannot be opened, ArchiveRefused
// when the yearly name refused the use, std::logic_error for a source without layout.
core::Archive openArchive(const ArchiveSource& source);
// Opens the archive file at `path` for records of `recordSize` bytes: the one place a
// path becomes the file system's bytes. Throws core::ArchiveError.
core::Archive openArchive(const QString& path, std::size_t recordSize);

}  // namespace kit
