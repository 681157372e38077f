#pragma once
// QString faces of the core text routines, for the windows.
#include <QFile>
#include <QString>
#include <algorithm>
#include <string>

#include "core/text.h"

namespace platform {

inline core::Text toCore(const QString& s) { return s.toStdU16String(); }
inline QString fromCore(const core::Text& s) { return QString::fromStdU16String(s); }

inline QString Trim(const QString& s) { return fromCore(core::Trim(toCore(s))); }
inline QString UpperAZ(const QString& s) { return fromCore(core::UpperAZ(toCore(s))); }
inline QString LowerAZ(const QString& s) { return fromCore(core::LowerAZ(toCore(s))); }
// Counts and positions are 0..65535, as the routines take them.
inline std::uint16_t toCount(int n) { return static_cast<std::uint16_t>(std::clamp(n, 0, 65535)); }
inline QString LeftChars(const QString& s, int n) { return fromCore(core::LeftChars(toCore(s), toCount(n))); }
inline QString RightChars(const QString& s, int n) { return fromCore(core::RightChars(toCore(s), toCount(n))); }
inline QString MidChars(const QString& s, int pos, int n) {
  return fromCore(core::MidChars(toCore(s), toCount(pos), toCount(n)));
}
inline bool IsAllDigits(const QString& s) { return core::IsAllDigits(toCore(s)); }
inline bool IsValidDateText(const QString& s) { return core::IsValidDateText(toCore(s)); }
inline QString FormatGeneral(double v) { return fromCore(core::FormatGeneral(v)); }
inline QString NormaliseAmount(const QString& s) { return fromCore(core::NormaliseAmount(toCore(s))); }
inline QString FormatDate(const core::Date& d) { return fromCore(core::FormatDate(d)); }

// A file path for the plain C++ layer (core::Archive), in the file system's encoding.
inline std::string toLocalPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

}  // namespace platform
