#pragma once
// The cost archive: one file per calendar year (the year + ".eur" beside the
// executable), 1627 bytes a record, no header. Each record is one payment made for a
// vehicle; record n (from 0) is the card the user sees as number n + 1. Records are
// never deleted nor reordered. Only the cost card writes it; the unsettled payments,
// the cost search, the export, the cost summary and the monthly chart read it.
//
// Plain C++ on purpose (no Qt), so readers outside the windows can use it too.
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "core/record.h"
#include "core/text.h"

namespace costs {

struct CostRecord {
  // The archive of a year is that year's text + this, beside the executable.
  static constexpr std::string_view kExtension = ".eur";
  static constexpr std::size_t kSize = 1627;

  // Field names are the stored field names; the comment names the control on the cost
  // card that the field is copied from and into.
  static constexpr std::array<core::FieldDef, 24> fields{{
      {"Giorno", 2},             // txtGiorno: day of the payment, "01" to "31"
      {"Mese", 10},              // txtMese: month name, "Gennaio" to "Dicembre"
      {"Anno", 4},               // lblAnno: the archive's year
      {"Data", 10},              // lblData: dd/mm/yyyy, composed at save
      {"Luogo", 50},             // txtLuogo: place of payment
      {"Veicolo", 50},           // txtVeicolo: vehicle type
      {"Marca", 50},             // txtMarca
      {"Modello", 50},           // txtModello
      {"Colore", 50},            // txtColore
      {"Alimentazione", 50},     // txtAlimentazione: fuel
      {"Targa", 30},             // txtTarga: plate, upper case
      {"Causale", 50},           // txtCausale: cause of the payment
      {"Descrizione", 250},      // txtDescrizione: description of the costs
      {"Modalita", 120},         // txtModalita: method of payment
      {"Estremi", 120},          // txtEstremi: receipt, ticket or invoice reference
      {"Importo", 15},           // txtImporto: amount in euro, decimal comma, as normalised
      {"Pagatore", 120},         // txtPagatore: payer
      {"RecPagatore", 50},       // txtRecPagatore: payer's telephone
      {"Beneficiario", 120},     // txtBeneficiario: beneficiary
      {"RecBeneficiario", 50},   // txtRecBeneficiario: beneficiary's telephone
      {"Conducente", 50},        // txtConducente: driver or person in charge
      {"Recapito", 50},          // txtRecapito: their telephone
      {"Saldato", 2},            // chkSaldato: "Sì" or "No"
      {"Note", 250},             // txtNote
  }};
  static_assert(core::recordSize(fields) == kSize);
};

// The archive file name of a year, for a year already checked to be four digits.
inline std::string costArchiveName(std::string_view year) {
  return std::string(year) + std::string(CostRecord::kExtension);
}

// The vehicle types the cost card offers (any other may be typed).
inline constexpr std::array<const char*, 19> kVehicleTypes = {
    "Autobus",    "Autocarro", "Autovettura", "Camper",    "Ciclomotore", "Furgoncino", "Furgone",
    "Imbarcazione", "Mezzo agricolo", "Motocarro", "Motociclo", "Motoscafo", "Natante", "Rimorchio",
    "Roulotte",   "Scooter",   "Trattore",    "Veicolo edile", "Yacht"};

// The causes of payment the cost card and the cost summary offer (any other may be typed).
inline constexpr std::array<const char*, 16> kCauses = {
    "Acquisto accessori", "Assicurazione", "Bollino blu", "Bollo", "Cambio filtri", "Cambio olio",
    "Cambio pneumatici", "Costi vari", "Manutenzione ordinaria", "Manutenzione straordinaria", "Multa",
    "Revisione", "Revisione freni", "Rifornimento carburante", "Riparazioni", "Tagliando"};

// The layout (offsets computed once) shared by every reader and the card.
inline const core::RecordLayout& costLayout() {
  static const core::RecordLayout layout(CostRecord::fields);
  return layout;
}

// The amount as the card's Save stores it: its first 15 characters (the field's width;
// a normalised amount from 13 digits before the comma on is longer), normalised, the
// result to be cut to the field again when stored.
inline core::Text normalisedCostAmount(core::TextView amount) {
  return core::normaliseAmount(amount.substr(0, core::fieldWidth(CostRecord::fields, "Importo")));
}

// A field's index in the layout, by its stored name.
inline std::size_t costField(std::string_view name) { return costLayout().indexOf(name); }

}  // namespace costs
