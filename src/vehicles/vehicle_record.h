#pragma once
// The vehicle archive: one descriptive card per vehicle, 3370 bytes a record, no
// header. Record n (from 0) is the card the user sees as number n + 1; records are
// never deleted, so that number stays the vehicle's for the life of the file.
// Only the vehicle card writes it; searches, lists, exports and the planner read it.
//
// Plain C++ on purpose (no Qt), so readers outside the windows can use it too.
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "core/record.h"

namespace vehicles {

struct VehicleRecord {
  // Archive file beside the executable.
  static constexpr std::string_view kArchiveName = "Parco_Automezzi.pro";
  static constexpr std::size_t kSize = 3370;

  // Field names are the stored field names; the comment names the control on the
  // vehicle card that the field is copied from and into (caption in brackets).
  static constexpr std::array<core::FieldDef, 38> fields{{
      {"Tipo", 50},                // txtTipo ("Tipo veicolo:"), required
      {"Destinazione", 50},        // txtDestinazione ("Destinazione ed uso:")
      {"Marca", 50},               // txtMarca ("Marca:"), required
      {"Modello", 50},             // txtModello ("Modello:"), required
      {"Targa", 12},               // txtTarga ("Targa:"), upper case, required
      {"Anno", 20},                // txtAnno ("Immatricolazione:"), free text
      {"Colore", 50},              // txtColore ("Colore:")
      {"Telaio", 10},              // txtTelaio ("Telaio:")
      {"Pneumatici", 120},         // txtPneumatici ("Pneumatici:")
      {"Stato", 50},               // txtStato ("Stato veicolo:")
      {"Chilometri", 50},          // txtChilometri ("Chilometri percorsi:"), free text
      {"Lettura", 10},             // txtLettura ("Data lettura:"), dd/mm/yyyy or empty
      {"Alimentazione", 50},       // txtAlimentazione ("Alimentazione:")
      {"Cilindrata", 50},          // txtCilindrata ("Cilindrata:")
      {"KW", 50},                  // txtKW ("kW:")
      {"Ambiente", 50},            // txtAmbiente ("Compatibilità ambientale:")
      {"Posti", 50},               // txtPosti ("Numero posti:")
      {"Portata", 50},             // txtPortata ("Portata massima:")
      {"Compagnia", 120},          // txtCompagnia ("Compagnia assicurativa:")
      {"TelAssicuratore", 50},     // txtTelAssicuratore ("Tel. assicuratore:")
      {"Polizza", 50},             // txtPolizza ("Importo polizza:"), free text
      {"Incidenti", 250},          // txtIncidenti ("Incidenti subiti:")
      {"Proprietario", 50},        // txtProprietario ("Proprietario:")
      {"Autista", 50},             // txtAutista ("Autista:")
      {"TelAutista", 50},          // txtTelAutista ("Telefono:")
      {"Meccanico", 50},           // txtMeccanico ("Meccanico:")
      {"TelMeccanico", 50},        // txtTelMeccanico ("Telefono:")
      {"ScadRevisione", 10},       // txtScadRevisione ("Scad. revisione:"), dd/mm/yyyy or empty
      {"ScadTagliando", 10},       // txtScadTagliando ("Scad. tagliando:")
      {"ScadAssicurazione", 10},   // txtScadAssicurazione ("Scad. assicurazione:")
      {"ScadBollo", 10},           // txtScadBollo ("Scad. bollo:")
      {"Note", 250},               // txtNote ("Note:")
      {"File01", 250},             // hidden label lblFile01: first attached document
      {"File02", 250},             // hidden label lblFile02
      {"File03", 250},             // hidden label lblFile03
      {"Desc01", 250},             // hidden label lblDesc01: its description
      {"Desc02", 250},             // hidden label lblDesc02
      {"Desc03", 250},             // hidden label lblDesc03
  }};
  static_assert(core::recordSize(fields) == kSize);

  // The first 32 fields are the card's edits ("txt" + name), the last six its hidden
  // attachment labels ("lbl" + name).
  static constexpr std::size_t kEditCount = 32;
};

// Characters the plate edit refuses as they are typed: the ones that have no place
// on a plate or in the file names and lists built from it.
constexpr bool isRefusedPlateChar(char16_t c) {
  constexpr std::u16string_view refused =
      u"&/<>\u0080\u00A3\u00B0"
      u"\u00C0\u00C1\u00C2\u00C4\u00C7\u00C8\u00C9\u00CA\u00CB\u00CC\u00CD\u00CE\u00CF"
      u"\u00D1\u00D2\u00D3\u00D4\u00D6\u00D9\u00DA\u00DB\u00DC"
      u"\u00E0\u00E1\u00E2\u00E4\u00E7\u00E8\u00E9\u00EA\u00EB\u00EC\u00ED\u00EE\u00EF"
      u"\u00F1\u00F2\u00F3\u00F4\u00F6\u00F9\u00FA\u00FB\u00FC";
  static_assert(refused.size() == 51);
  return refused.find(c) != std::u16string_view::npos;
}

// The folder of the card photos beside the archive, and the photo file of the
// vehicle numbered `number` (1-based, decimal, no leading zeros).
inline constexpr std::string_view kPhotoFolder = "Autoparco";
inline std::string photoFileName(std::size_t number) {
  return "Scheda_Veicolo_" + std::to_string(number) + ".jpg";
}

// The layout (offsets computed once) shared by every reader and the card.
inline const core::RecordLayout& vehicleLayout() {
  static const core::RecordLayout layout(VehicleRecord::fields);
  return layout;
}

}  // namespace vehicles
