#pragma once
// Trips written straight into the trip archive, field by field, for the trip tests.
#include <QString>

#include <map>
#include <string_view>
#include <vector>

#include "platform/qtext.h"
#include "support/archive_files.h"
#include "trips/trip_record.h"

const QString kTripArchive = QStringLiteral("Registro_Viaggi.pro");

// A trip's texts by field name; the fields left out stay empty.
using TripFields = std::map<std::string_view, QString>;

inline core::RecordBuffer tripRecord(const TripFields& t) {
  core::RecordBuffer r(trips::tripLayout());
  for (const auto& [name, text] : t) r.set(name, platform::toCore(text));
  return r;
}

// Appends one record per trip to the trip archive beside the executable (creating it).
inline void appendTrips(const std::vector<TripFields>& trips) {
  std::vector<core::RecordBuffer> records;
  for (const TripFields& t : trips) records.push_back(tripRecord(t));
  appendRecords(kTripArchive, trips::TripRecord::kSize, records);
}

// A column as the lists show it: the text padded with blanks and cut to `width`.
inline QString col(const QString& text, int width) { return text.leftJustified(width, QLatin1Char(' '), true); }
