#pragma once
// The vehicle list of the planner menu, without a screen: which vehicles it lists (those
// with a plate), the line of one vehicle, and the vehicle a chosen line stands for.
//
// Plain C++ on purpose (no Qt).
#include <optional>

#include "core/archive.h"
#include "core/search_filter.h"
#include "core/text.h"

namespace planner {

// The vehicle the menu hands to the booking board, each field trimmed.
struct PlannerVehicle {
  core::Text tipo;
  core::Text marca;
  core::Text modello;
  core::Text targa;
  bool operator==(const PlannerVehicle&) const = default;
};

// The line of one vehicle: type (20), two blanks, make and model joined by a blank (30),
// "  Targa: ", plate (14), "  Posti: ", seats (12), "  Alim. ", fuel (never cut).
const core::LineFormat& vehicleLine();

// Adds to `lines`, in file order, the line of every vehicle of the open vehicle
// archive whose plate, trimmed, is not empty. Throws core::ArchiveError when a read
// fails; the lines added before the failure stay.
void listVehicles(core::Archive& archive, core::LineList& lines);

// The vehicle whose line, trimmed, equals `chosen` trimmed: of several, the last in the
// file. Nothing when no record gives that line. Throws core::ArchiveError when a read
// fails.
std::optional<PlannerVehicle> vehicleOfLine(core::Archive& archive, core::TextView chosen);

}  // namespace planner
