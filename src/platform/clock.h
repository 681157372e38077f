#pragma once
// Today and now on the program's clock (core/clock), as Qt dates for the windows and
// the report engine.
#include <QDate>
#include <QDateTime>
#include <QTime>

#include "core/clock.h"

namespace platform {

inline QDate toQDate(const core::Date& d) { return QDate(d.year, d.month, d.day); }

inline QDate today() { return toQDate(core::today()); }

inline QDateTime now() {
  const core::DateTime n = core::now();
  return QDateTime(toQDate(n.date), QTime(n.hour, n.minute, n.second));
}

}  // namespace platform
