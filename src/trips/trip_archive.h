#pragma once
// The trip archive as every trip window reads it, and the lines the trip lists show.
#include <string_view>

#include "core/search_filter.h"
#include "kit/archive_source.h"

namespace trips {

// "Registro_Viaggi.pro" beside the executable, records of TripRecord's layout.
kit::ArchiveSource tripArchive();

// The index of a trip field by name.
std::size_t tripField(std::string_view name);

// The line of the trip search and the trips in progress, the key a double-click
// finds its trip by:
// "Dal: " departure(10) "  Al: " return(10) "  " destination(25) "  " vehicle(25)
// "  Targa: " plate(10) "  Litri: " litres(5) "  Costo: € " amount(12) "  Km: " distance;
// the fixed part is 147 characters, so the distance begins at character 148.
core::LineFormat tripListLine();

// The line of the fuel and distance summary: as the trip line up to the litres, then
// "  Km: " distance(10) "  Costo: € " amount; the cost begins at character 146.
core::LineFormat fuelSummaryLine();

}  // namespace trips
