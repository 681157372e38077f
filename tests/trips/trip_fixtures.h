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
using TripFields = FieldTexts;

inline core::RecordBuffer tripRecord(const TripFields& t) { return recordOf(trips::tripLayout(), t); }

// Appends one record per trip to the trip archive beside the executable (creating it).
inline void appendTrips(const std::vector<TripFields>& trips) {
  appendFieldRecords(kTripArchive, trips::tripLayout(), trips);
}

// A column as the lists show it: the text padded with blanks and cut to `width`.
inline QString col(const QString& text, int width) { return text.leftJustified(width, QLatin1Char(' '), true); }
