#pragma once
// One key of an INI file, read or written in place, with the profile-file rules:
// a missing file, section or key reads as empty; a write changes only that key
// (adding section or key when missing) and leaves the rest of the file as it was.
#include <QString>
#include <stdexcept>

namespace platform {

class IniError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

QString iniRead(const QString& path, const QString& section, const QString& key);
// Throws IniError when the file cannot be written (a full disk included); the file is
// then left byte for byte as it was, never half-written or emptied.
void iniWrite(const QString& path, const QString& section, const QString& key, const QString& value);

}  // namespace platform
