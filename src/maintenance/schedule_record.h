#pragma once
// The maintenance schedule: one archive per calendar year, named after the year
// ("2024.sca"), 1328 bytes a record, no header; record k (from 0) starts at byte
// 1328 * k and is the card the user sees as number k + 1. Each record is one
// deadline. Only the schedule card writes it; the imminent check, the lists, the
// search and the grids read it.
//
// Plain C++ on purpose (no Qt), so readers outside the windows can use it too.
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "core/file_names.h"
#include "core/record.h"

namespace maintenance {

struct MaintenanceDeadlineRecord {
  // The archive of a year is the four-digit year followed by this, beside the executable.
  static constexpr std::string_view kArchiveExtension = ".sca";
  static constexpr std::size_t kSize = 1328;

  // Field names are the stored field names; the comment names the control on the
  // schedule card that the field is copied from and into (caption in brackets).
  static constexpr std::array<core::FieldDef, 25> fields{{
      {"Giorno", 2},           // txtGiorno, list-only combo "01".."31" ("Giorno:")
      {"Mese", 10},            // txtMese, list-only combo "Gennaio".."Dicembre" ("Mese:")
      {"Anno", 4},             // lblAnno, the year beside the date
      {"Data", 10},            // hidden label lblData: dd/mm/yyyy, built at save
      {"OreApp", 2},           // txtOreApp, list-only combo "00".."23" ("Ore:")
      {"MinutiApp", 2},        // txtMinutiApp, list-only combo "00".."59" ("Minuti:")
      {"Ora", 5},              // hidden label lblOra: hh:mm, built at save
      {"Avviso", 3},           // txtAvviso, digits ("Avvisa n." .. "giorni prima della scadenza.")
      {"Conducente", 50},      // txtConducente ("Conduttore:")
      {"CodFisc", 16},         // txtCodFisc ("Codice fiscale:"), upper case
      {"Recapito", 50},        // txtRecapito ("Recapito preferenziale:")
      {"Veicolo", 50},         // txtVeicolo ("Tipo veicolo:")
      {"Marca", 50},           // txtMarca ("Marca:")
      {"Modello", 50},         // txtModello ("Modello:")
      {"Colore", 50},          // txtColore ("Colore:")
      {"Alimentazione", 50},   // txtAlimentazione ("Alimentazione:")
      {"Targa", 30},           // txtTarga ("Targa:"), upper case
      {"Manutenzione", 50},    // txtManutenzione ("Tipo manutenzione:")
      {"Dettagli", 250},       // txtDettagli ("Dettagli intervento:")
      {"Officina", 250},       // txtOfficina ("Ricambi sostituiti:"): the replaced parts
      {"Costo", 15},           // txtCosto ("Costo intervento:"), amount with decimal comma
      {"Contatto", 50},        // txtContatto ("Meccanico esecutore:"): the mechanic
      {"Note", 250},           // txtNote ("Note:")
      {"DaConfermare", 2},     // check box chkDaConfermare ("Appuntamento da confermare"): "Sì"/"No"
      {"Effettuata", 2},       // check box chkEffettuata ("Manutenzione effettuata"): "Sì"/"No"
  }};
  static_assert(core::recordSize(fields) == kSize);
};

// The archive file name of a year, for a year already checked to be four digits.
inline std::string scheduleArchiveName(std::string_view year) {
  return std::string(year) + std::string(MaintenanceDeadlineRecord::kArchiveExtension);
}
inline std::string scheduleArchiveName(int year) { return scheduleArchiveName(core::toUtf8(core::yearText(year))); }

// The layout (offsets computed once) shared by every reader and the card.
inline const core::RecordLayout& scheduleLayout() {
  static const core::RecordLayout layout(MaintenanceDeadlineRecord::fields);
  return layout;
}

}  // namespace maintenance
