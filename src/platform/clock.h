#pragma once
// Today and now on the program's clock (core/clock), as Qt dates for the windows and
// the report engine.
#include <QDate>
#include <QDateTime>
#include <QTime>

#include "core/clock.h"
#include "platform/qtext.h"

namespace platform {

inline QDate toQDate(const core::Date& d) { return QDate(d.year, d.month, d.day); }

inline QDate today() { return toQDate(core::today()); }

inline QDateTime now() {
  const core::DateTime n = core::now();
  return QDateTime(toQDate(n.date), QTime(n.hour, n.minute, n.second));
}

// Today as the cards' date edits show it (dd/mm/yyyy, always with "/"), and the time
// now as their time edits do (hh:nn, hours 00 to 23).
inline QString todayText() { return platform::formatDate(core::today()); }
inline QString nowText() {
  const core::DateTime n = core::now();
  return QString::asprintf("%02d:%02d", n.hour, n.minute);
}

}  // namespace platform
