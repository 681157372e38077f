#include "kit/archive_source.h"

#include <QDir>
#include <stdexcept>
#include <utility>

#include "platform/control_text.h"
#include "platform/paths.h"
#include "platform/qtext.h"

namespace kit {

ArchiveSource ArchiveSource::fixed(const QString& fileName, const core::RecordLayout* layout) {
  return {.layout = layout, .fileName = fileName};
}

ArchiveSource ArchiveSource::yearly(std::function<QString()> name, const core::RecordLayout* layout) {
  return {.layout = layout, .yearlyName = std::move(name)};
}

ArchiveSource ArchiveSource::fromControl(QWidget* control, const core::RecordLayout* layout) {
  return {.layout = layout, .control = control};
}

ArchiveRefused::ArchiveRefused() : core::ArchiveError("archive name refused") {}

QString archivePath(const ArchiveSource& source) {
  if (source.yearlyName) {
    const QString name = source.yearlyName();
    if (name.isEmpty()) throw ArchiveRefused();
    return platform::exePath(name);
  }
  if (!source.fileName.isEmpty()) return platform::exePath(source.fileName);
  // Only a full path is taken from a control: a control that is gone, empty or still
  // showing its design text names no archive, and nothing is opened or created.
  const QString path = platform::controlText(source.control);
  if (!QDir::isAbsolutePath(path)) throw core::ArchiveError("no full archive path in the control: " + path.toStdString());
  return path;
}

core::Archive openArchive(const ArchiveSource& source) {
  if (!source.layout) throw std::logic_error("archive source without a record layout");
  return openArchive(archivePath(source), source.layout->size());
}

core::Archive openArchive(const QString& path, std::size_t recordSize) {
  return core::Archive(platform::toLocalPath(path), recordSize);
}

}  // namespace kit
