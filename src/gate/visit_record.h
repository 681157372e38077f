#pragma once
// The gate archive: one file per calendar year (the year + ".vis" beside the
// executable), 1366 bytes a record, no header. Each record is one visit of one vehicle
// through the gate; record n (from 0) is the card the user sees as number n + 1.
// Records are never deleted and there is no key: two equal visits are two records.
// Only the gate card writes it; the day lists, the search, the export and the transit
// chart read it.
//
// Plain C++ on purpose (no Qt), so readers outside the windows can use it too.
#include <array>
#include <cstddef>
#include <string_view>

#include "core/record.h"

namespace gate {

struct VisitRecord {
  // The archive of a year is that year's text + this, beside the executable.
  static constexpr std::string_view kExtension = ".vis";
  static constexpr std::size_t kSize = 1366;

  // Field names are the stored field names; the comment names the edit on the gate
  // card that the field is copied from and into (caption in brackets). Dates are
  // dd/mm/yyyy texts and times texts as typed, never numbers.
  static constexpr std::array<core::FieldDef, 16> fields{{
      {"DataEnt", 10},        // txtDataEnt ("Data:", entry), required, a date
      {"OraEnt", 5},          // txtOraEnt ("Ora:", entry), required, normally hh:nn
      {"OperatoreEnt", 50},   // txtOperatoreEnt ("Registrato da:", entry)
      {"Veicolo", 50},        // txtVeicolo ("Marca e modello veicolo:"), required
      {"Targa", 30},          // txtTarga ("Targa:"), upper case, required
      {"Conduttore", 50},     // txtConduttore ("Conduttore:")
      {"Persone", 250},       // txtPersone ("Altre persone a bordo:")
      {"Merce", 250},         // txtMerce ("Merce trasportata:")
      {"Foglio", 50},         // txtFoglio ("Foglio di marcia:")
      {"Tessere", 120},       // txtTessere ("Tessere:"): the visitor passes handed out
      {"Luogo", 120},         // txtLuogo ("Luogo destinazione:")
      {"TelCel", 50},         // txtTelCel ("Cellulare:")
      {"Note", 250},          // txtNote ("Note:")
      {"DataUsc", 10},        // txtDataUsc ("Data:", exit), empty while still inside
      {"OraUsc", 5},          // txtOraUsc ("Ora:", exit), set together with DataUsc
      {"OperatoreUsc", 50},   // txtOperatoreUsc ("Registrato da:", exit)
  }};
  static_assert(core::recordSize(fields) == kSize);
};

// The layout (offsets computed once) shared by every reader and the card.
inline const core::RecordLayout& visitLayout() {
  static const core::RecordLayout layout(VisitRecord::fields);
  return layout;
}

}  // namespace gate
