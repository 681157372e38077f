#pragma once
// The generated vehicle archive the search benchmarks run on: 100,000 vehicles of
// mixed types, makes, models, owners and notes, written once per process into a
// temporary executable folder.
#include <QFile>
#include <QString>
#include <cstdio>
#include <string>

#include "bench_support.h"

#include "core/record.h"
#include "core/text.h"
#include "platform/paths.h"
#include "vehicles/vehicle_record.h"

namespace bench {

inline constexpr int kVehicles = 100000;

inline QString vehicleArchiveName() {
  return QString::fromLatin1(vehicles::VehicleRecord::kArchiveName.data(),
                             static_cast<qsizetype>(vehicles::VehicleRecord::kArchiveName.size()));
}

// Writes `count` vehicles into the vehicle archive of `folder` (replacing it) and
// returns the archive's path.
inline std::string writeVehicleArchive(const QString& folder, int count) {
  const std::string path = QFile::encodeName(folder + QLatin1Char('/') + vehicleArchiveName()).toStdString();
  std::remove(path.c_str());
  const char* types[] = {"Autovettura", "Furgone", "Autocarro", "Motociclo", "Minibus", "Trattore stradale"};
  const char* makes[] = {"Fiat", "Iveco", "Renault", "Volkswagen", "Mercedes-Benz", "Opel", "Ford", "Peugeot"};
  const char* models[] = {"Punto", "Daily", "Master", "Transporter", "Sprinter", "Astra", "Transit", "Partner", "Ducato"};
  const char* owners[] = {"Rossi Mario", "Bianchi Srl", "Trasporti Verdi S.p.A.", "Comune di Velmora", "Neri Anna"};
  const std::string bytes = bench::recordBytes(vehicles::vehicleLayout(), count, [&](core::RecordBuffer& r, int i) {
    auto set = [&](std::string_view f, const std::string& v) { r.set(f, core::fromUtf8(v)); };
    set("Tipo", types[i % 6]);
    set("Destinazione", i % 3 ? "Trasporto merci" : "Trasporto persone");
    set("Marca", makes[i % 8]);
    set("Modello", models[(i / 8) % 9]);
    char plate[16];
    std::snprintf(plate, sizeof plate, "%c%c%03d%c%c", 'A' + i % 26, 'A' + (i / 26) % 26, i % 1000,
                  'A' + (i / 1000) % 26, 'A' + (i / 7) % 26);
    set("Targa", plate);
    set("Anno", std::to_string(1995 + i % 30));
    set("Colore", i % 2 ? "Bianco" : "Grigio metallizzato");
    set("Stato", i % 10 ? "In servizio" : "In officina");
    set("Chilometri", std::to_string((i * 7919) % 400000));
    set("Compagnia", "Assicurazioni Generali");
    set("Proprietario", owners[i % 5]);
    set("Autista", i % 4 ? "Esposito Giuseppe" : "Romano Luca");
    set("Meccanico", "Officina Centrale");
    set("ScadRevisione", "15/06/2025");
    set("Note", i % 50 ? "Nessuna nota" : "Tagliando da programmare, gomme invernali in magazzino");
    set("File01", i % 9 ? "" : "libretto.pdf");
  });
  writeFileOrExit(QFile::decodeName(path.c_str()), bytes);
  return path;
}

}  // namespace bench
