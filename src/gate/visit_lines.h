#pragma once
// The lines the gate windows list, built from one VisitRecord. Plain C++: the day
// lists, the search, their double-click (which finds a record again by its line) and
// the benchmarks build the same lines.
//
// Every line starts with the vehicle and "  Targa: " and the plate (12), and ends with
// "  Conduttore: " and the driver, trimmed and whole; in between, the times and dates
// the list is about.
#include "core/search_filter.h"

namespace gate {

// Vehicles exited today: vehicle (30), plate, "  Ora uscita: " exit time (5),
// "  Entrata: " entry date (10), "  Ora: " entry time (5); the driver from character 118.
core::LineFormat exitedTodayLine();

// Vehicles entered today: vehicle (30), plate, "  Ora entrata: " entry time (5),
// "  Uscita: " exit date (10), "  Ora: " exit time (5); the driver from character 118.
core::LineFormat enteredTodayLine();

// Vehicles not yet out: vehicle (30), plate, "  Entrata: " entry date (10),
// "  Ora: " entry time (5); the driver from character 99.
core::LineFormat notYetOutLine();

// The search: vehicle (28), plate, "  Entrata: " entry date (10), "  Ora: " entry time
// (5), "  Uscita: " exit date (10), "  Ora: " exit time (5); 128 characters before the
// driver.
core::LineFormat visitSearchLine();

}  // namespace gate
