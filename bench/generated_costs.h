#pragma once
// A yearly cost archive (2023) of generated payments with the texts a real one holds:
// forty vehicles of five makes (plates "AB000CD" to "AB009CD", then "EF010GH" on), one
// payment a day in turn, the sixteen causes in turn, five beneficiaries, amounts of two
// decimals, one payment in seven still to settle ("No"), a note on one in three.
#include <QString>

#include <cstdio>
#include <string>
#include <string_view>

#include "bench_support.h"
#include "core/record.h"
#include "core/text.h"
#include "costs/cost_record.h"

inline void generateCosts(const QString& path, int payments) {
  const char* makes[][2] = {{"Fiat", "Ducato"}, {"Iveco", "Daily"}, {"Renault", "Master"},
                            {"Volkswagen", "Transporter"}, {"Ford", "Transit"}};
  const char* months[] = {"Gennaio", "Febbraio", "Marzo",     "Aprile",  "Maggio",   "Giugno",
                          "Luglio",  "Agosto",   "Settembre", "Ottobre", "Novembre", "Dicembre"};
  const char* payees[] = {"Officina Rossi Snc", "Agenzia ACI", "Gommista Bianchi", "Concessionaria Verdi",
                          "Distributore Eni"};
  const std::string bytes = bench::recordBytes(costs::costLayout(), payments, [&](core::RecordBuffer& r, int i) {
    auto set = [&](std::string_view f, const std::string& v) { r.set(f, core::fromUtf8(v)); };
    const core::Date day = core::Date::fromSerial(core::Date{1, 1, 2023}.serial() + i % 365);
    const int vehicle = i % 40;
    char plate[16];
    std::snprintf(plate, sizeof plate, vehicle < 10 ? "AB%03dCD" : "EF%03dGH", vehicle);
    set("Giorno", std::to_string(day.day + 100).substr(1));
    set("Mese", months[day.month - 1]);
    set("Anno", "2023");
    set("Data", core::toUtf8(core::formatDate(day)));
    set("Luogo", "Reggio Emilia");
    set("Veicolo", "Furgone");
    set("Marca", makes[vehicle % 5][0]);
    set("Modello", makes[vehicle % 5][1]);
    set("Colore", "Bianco");
    set("Alimentazione", "Gasolio");
    set("Targa", plate);
    set("Causale", costs::kCauses[static_cast<std::size_t>(i % 16)]);
    set("Descrizione", "Intervento programmato secondo il piano di manutenzione del costruttore");
    set("Modalita", "Bonifico bancario");
    set("Estremi", "Fattura n. " + std::to_string(i));
    set("Importo", std::to_string(20 + i % 500) + "," + std::to_string(10 + i % 90));
    set("Pagatore", "Amministrazione");
    set("Beneficiario", payees[i % 5]);
    set("Conducente", "Rossi Mario");
    set("Saldato", i % 7 ? "S\xC3\xAC" : "No");
    set("Note", i % 3 ? "" : "Da verificare con il fornitore");
  });
  bench::writeFileOrExit(path, bytes);
}
