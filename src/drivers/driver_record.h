#pragma once
// The driver archive: one card per driver, 3206 bytes a record, no header. Record n
// (from 0) is the card the user sees as number n + 1; records are never deleted.
// Only the driver card writes it; the driver search and picker, the availability
// lists and the export read it.
//
// Plain C++ on purpose (no Qt), so readers outside the windows can use it too.
#include <array>
#include <cstddef>
#include <string_view>

#include "core/record.h"

namespace drivers {

struct DriverRecord {
  // Archive file beside the executable.
  static constexpr std::string_view kArchiveName = "Conducenti.pro";
  static constexpr std::size_t kSize = 3206;

  // Field names are the stored field names; the comment names the control on the
  // driver card that the field is copied from and into (caption in brackets).
  static constexpr std::array<core::FieldDef, 34> fields{{
      {"Conducente", 50},      // txtConducente ("Cognome e nome:"), required
      {"Patenti", 50},         // txtPatenti ("Patenti di guida:")
      {"Recapito", 50},        // txtRecapito ("Recapito preferenziale:")
      {"Via", 120},            // txtVia ("Via / Piazza e numero civico:")
      {"Cap", 12},             // txtCap ("CAP:")
      {"Citta", 50},           // txtCitta ("Città:")
      {"Prov", 2},             // txtProv, combo edit ("Prov."), upper case
      {"Compensi", 250},       // txtCompensi ("Compensi pattuiti:")
      {"TelCasa", 30},         // txtTelCasa ("Tel. casa:")
      {"TelUff", 30},          // txtTelUff ("Tel. ufficio:")
      {"TelCel", 30},          // txtTelCel ("Tel. cellulare:")
      {"Fax", 50},             // txtFax ("PEC:"): holds the certified e-mail address
      {"Email", 50},           // txtEmail ("E-mail:")
      {"CodFisc", 16},         // txtCodFisc ("Codice fiscale:"), upper case
      {"Carta", 30},           // txtCarta ("Carta di credito n."), digits
      {"ScadeCarta", 30},      // txtScadeCarta ("Scadenza:"), free text
      {"PartitaIva", 11},      // txtPartitaIva ("Partita IVA:"), digits
      {"Iban", 27},            // txtIban ("IBAN:"), upper case
      {"Veicolo", 50},         // txtVeicolo ("Tipo veicolo assegnato:")
      {"Marca", 50},           // txtMarca ("Marca:"), required
      {"Modello", 50},         // txtModello ("Modello:"), required
      {"Colore", 50},          // txtColore ("Colore:")
      {"Alimentazione", 50},   // txtAlimentazione ("Alimentazione:")
      {"Targa", 30},           // txtTarga ("Targa:"), upper case, required
      {"Programma", 250},      // txtProgramma ("Programma ferie:")
      {"Note", 250},           // txtNote ("Note:")
      {"Ferie", 2},            // check box chkFerie ("In ferie"): "Sì" or "No"
      {"Trasferte", 2},        // check box chkTrasferte ("Sì trasferte"): "Sì" or "No"
      {"File01", 250},         // hidden label lblFile01: first attached document
      {"File02", 250},         // hidden label lblFile02
      {"File03", 250},         // hidden label lblFile03
      {"Desc01", 250},         // hidden label lblDesc01: description of the first
      {"Desc02", 250},         // hidden label lblDesc02
      {"Desc03", 250},         // hidden label lblDesc03
  }};
  static_assert(core::recordSize(fields) == kSize);

  // The first 26 fields are the card's edits ("txt" + name), then the two flags
  // ("chk" + name), then the six hidden attachment labels ("lbl" + name): the three
  // names first, then the three descriptions.
  static constexpr std::size_t kEditCount = 26;
};
static_assert(DriverRecord::fields[DriverRecord::kEditCount].name == "Ferie");

// The layout (offsets computed once) shared by every reader and the card.
inline const core::RecordLayout& driverLayout() {
  static const core::RecordLayout layout(DriverRecord::fields);
  return layout;
}

}  // namespace drivers
