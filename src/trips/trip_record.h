#pragma once
// The trip archive: one card per trip, 3378 bytes a record, no header. Record n
// (from 0) is the card the user sees as number n + 1; records are never deleted.
// Only the trip card writes it; the trip search, the trips in progress, the export
// and the fuel and distance summary read it.
//
// Plain C++ on purpose (no Qt), so readers outside the windows can use it too.
#include <array>
#include <cstddef>
#include <string_view>

#include "core/record.h"

namespace trips {

struct TripRecord {
  // Archive file beside the executable.
  static constexpr std::string_view kArchiveName = "Registro_Viaggi.pro";
  static constexpr std::size_t kSize = 3378;

  // Field names are the stored field names; the comment names the control on the
  // trip card that the field is copied from and into. Numbers are texts with the
  // decimal comma.
  static constexpr std::array<core::FieldDef, 51> fields{{
      {"DataPartenza", 10},     // txtDataPartenza: departure date dd/mm/yyyy, required
      {"OraPartenza", 5},       // txtOraPartenza: free text
      {"DataRientro", 10},      // txtDataRientro: return date dd/mm/yyyy or empty
      {"OraRientro", 5},        // txtOraRientro: free text
      {"Luogo", 120},           // txtLuogo: destination, required
      {"Itinerario", 250},      // txtItinerario: route
      {"Scopo", 250},           // txtScopo: purpose
      {"Veicolo", 50},          // txtVeicolo: make and model in one text, required
      {"Targa", 30},            // txtTarga: plate, upper case, required
      {"Conduttore", 50},       // txtConduttore: driver, free text
      {"Supplementare", 50},    // txtSupplementare: additional driver
      {"Persone", 250},         // txtPersone: other people on board
      {"TotViaggiatori", 5},    // txtTotViaggiatori: digits, "0" when not given
      {"Merce", 250},           // txtMerce: goods carried
      // Five refuel rows of 90 bytes, the same five fields each.
      {"DataRif01", 10},        // txtDataRif01: refuel date dd/mm/yyyy or empty
      {"OraRif01", 5},          // txtOraRif01: free text
      {"Stazione01", 50},       // txtStazione01: service station
      {"Litri01", 5},           // txtLitri01: digits, "0" when not given
      {"Importo01", 15},        // txtImporto01: amount, "0,00" when not given
      {"DataRif02", 10},        // txtDataRif02
      {"OraRif02", 5},          // txtOraRif02
      {"Stazione02", 50},       // txtStazione02
      {"Litri02", 5},           // txtLitri02
      {"Importo02", 15},        // txtImporto02
      {"DataRif03", 10},        // txtDataRif03
      {"OraRif03", 5},          // txtOraRif03
      {"Stazione03", 50},       // txtStazione03
      {"Litri03", 5},           // txtLitri03
      {"Importo03", 15},        // txtImporto03
      {"DataRif04", 10},        // txtDataRif04
      {"OraRif04", 5},          // txtOraRif04
      {"Stazione04", 50},       // txtStazione04
      {"Litri04", 5},           // txtLitri04
      {"Importo04", 15},        // txtImporto04
      {"DataRif05", 10},        // txtDataRif05
      {"OraRif05", 5},          // txtOraRif05
      {"Stazione05", 50},       // txtStazione05
      {"Litri05", 5},           // txtLitri05
      {"Importo05", 15},        // txtImporto05
      {"LitriTot", 5},          // txtLitriTot: total of the five litre fields
      {"ImportoTot", 15},       // txtImportoTot: total of the five amounts
      {"KmPartenza", 15},       // txtKmPartenza: odometer at departure, "0" when not given
      {"KmRientro", 15},        // txtKmRientro: odometer at return, "0" when not given
      {"KmPercorsi", 15},       // txtKmPercorsi: return reading - departure reading, may be negative
      {"InCorso", 2},           // check box chkInCorso: "Sì" while the trip is not over, else "No"
      {"File01", 250},          // hidden label lblFile01: first attached document
      {"File02", 250},          // hidden label lblFile02
      {"File03", 250},          // hidden label lblFile03
      {"Desc01", 250},          // hidden label lblDesc01: description of the first
      {"Desc02", 250},          // hidden label lblDesc02
      {"Desc03", 250},          // hidden label lblDesc03
  }};
  static_assert(core::recordSize(fields) == kSize);

  // The first 44 fields are the card's edits ("txt" + name), then the flag
  // ("chk" + name), then the six hidden attachment labels ("lbl" + name).
  static constexpr std::size_t kEditCount = 44;

  // The refuel rows: row r (1..5) is the five fields from index
  // kFirstRefuelField + (r - 1) * kRefuelFieldsPerRow, in the order of RefuelField.
  static constexpr std::size_t kRefuelRows = 5;
  static constexpr std::size_t kFirstRefuelField = 14;
  static constexpr std::size_t kRefuelFieldsPerRow = 5;
  enum RefuelField : std::size_t { DataRif, OraRif, Stazione, Litri, Importo };
  static constexpr std::size_t refuelField(std::size_t row, RefuelField field) {
    return kFirstRefuelField + (row - 1) * kRefuelFieldsPerRow + field;
  }
};
static_assert(TripRecord::fields[TripRecord::refuelField(1, TripRecord::DataRif)].name == "DataRif01");
static_assert(TripRecord::fields[TripRecord::refuelField(5, TripRecord::Importo)].name == "Importo05");
static_assert(TripRecord::fields[TripRecord::kEditCount].name == "InCorso");

// The layout (offsets computed once) shared by every reader and the card.
inline const core::RecordLayout& tripLayout() {
  static const core::RecordLayout layout(TripRecord::fields);
  return layout;
}

}  // namespace trips
