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

inline QString trim(const QString& s) { return fromCore(core::trim(toCore(s))); }
inline QString upperAZ(const QString& s) { return fromCore(core::upperAZ(toCore(s))); }
inline QString lowerAZ(const QString& s) { return fromCore(core::lowerAZ(toCore(s))); }
// Counts and positions are 0..65535, as the routines take them.
inline std::uint16_t toCount(int n) { return static_cast<std::uint16_t>(std::clamp(n, 0, 65535)); }
inline QString LeftChars(const QString& s, int n) { return fromCore(core::LeftChars(toCore(s), toCount(n))); }
inline QString RightChars(const QString& s, int n) { return fromCore(core::RightChars(toCore(s), toCount(n))); }
inline QString MidChars(const QString& s, int pos, int n) {
  return fromCore(core::MidChars(toCore(s), toCount(pos), toCount(n)));
}
inline bool IsAllDigits(const QString& s) { return core::IsAllDigits(toCore(s)); }
inline bool IsValidDateText(const QString& s) { return core::IsValidDateText(toCore(s)); }
inline QString formatGeneral(double v) { return fromCore(core::formatGeneral(v)); }
inline QString normaliseAmount(const QString& s) { return fromCore(core::normaliseAmount(toCore(s))); }
inline QString normaliseKm(const QString& s) { return fromCore(core::normaliseKm(toCore(s))); }
inline QString formatDate(const core::Date& d) { return fromCore(core::formatDate(d)); }

// A file path for the plain C++ layer (core::Archive), in the file system's encoding.
inline std::string toLocalPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

}  // namespace platform
