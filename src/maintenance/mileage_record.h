#pragma once
// The mileage schedule: one archive for every year and vehicle, 1193 bytes a record,
// no header; record n (from 0) is the card the user sees as number n + 1. Each record
// is one deadline that falls due at an odometer reading. A deadline dealt with stays,
// marked done; the next one is a new record. Only the mileage card writes it; the
// lists, the search and the export read it.
//
// Plain C++ on purpose (no Qt), so readers outside the windows can use it too.
#include <array>
#include <cstddef>
#include <string_view>

#include "core/record.h"

namespace maintenance {

struct MileageDeadlineRecord {
  // Archive file beside the executable.
  static constexpr std::string_view kArchiveName = "Scadenzario_Chilometrico.pro";
  static constexpr std::size_t kSize = 1193;

  // Field names are the stored field names; the comment names the control on the
  // mileage card that the field is copied from and into (caption in brackets).
  // Distances and the cost are texts with the decimal comma.
  static constexpr std::array<core::FieldDef, 23> fields{{
      {"Veicolo", 50},         // txtVeicolo ("Tipo veicolo:"), required
      {"Marca", 50},           // txtMarca ("Marca:"), required
      {"Modello", 50},         // txtModello ("Modello:"), required
      {"Colore", 50},          // txtColore ("Colore:")
      {"Alimentazione", 50},   // txtAlimentazione ("Alimentazione:")
      {"Targa", 30},           // txtTarga ("Targa:"), upper case, required
      {"Conducente", 50},      // txtConducente ("Conduttore:")
      {"CodFisc", 16},         // txtCodFisc ("Codice fiscale:"), upper case
      {"Recapito", 50},        // txtRecapito ("Recapito preferenziale:")
      {"Manutenzione", 50},    // txtManutenzione ("Tipo manutenzione:"), required
      {"Dettagli", 250},       // txtDettagli ("Dettagli intervento:")
      {"Officina", 120},       // txtOfficina ("Officina incaricata:")
      {"Costo", 15},           // txtCosto ("Costo intervento:"), amount, "0,00" when not given
      {"DataInt", 10},         // txtDataInt ("Data intervento:"), dd/mm/yyyy or empty
      {"KmRil", 10},           // txtKmRil ("Km iniziali:")
      {"DataRil", 10},         // txtDataRil ("Data iniziale:"), dd/mm/yyyy, required
      {"Ogni", 10},            // txtOgni ("Manutenzione ogni n." .. "km"): the interval
      {"Prossima", 15},        // txtProssima ("Scadenza a km:"): KmRil + Ogni
      {"KmAttuali", 15},       // txtKmAttuali ("Km attuali:")
      {"DataAtt", 10},         // txtDataAtt ("Data attuale:"), dd/mm/yyyy or empty
      {"Stato", 7},            // label txtStato ("Stato manutenzione:"): "VALIDA" or "SCADUTA"
      {"Effettuata", 2},       // check box chkEffettuata ("Manutenzione effettuata"): "Sì"/"No"
      {"Note", 250},           // txtNote ("Note:")
  }};
  static_assert(core::recordSize(fields) == kSize);
};

// The layout (offsets computed once) shared by every reader and the card.
inline const core::RecordLayout& mileageLayout() {
  static const core::RecordLayout layout(MileageDeadlineRecord::fields);
  return layout;
}

}  // namespace maintenance
