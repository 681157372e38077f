#pragma once
// A driver archive of generated cards with the texts a real one holds: names and
// contacts, addresses, codes, the assigned vehicle, holiday plans and notes. One
// driver in ten is on holiday, one in three willing to travel.
#include <QString>

#include <string>

#include "bench_support.h"
#include "core/record.h"
#include "drivers/driver_record.h"

inline void generateDrivers(const QString& path, int drivers) {
  static const char16_t* surnames[] = {u"Rossi", u"Bianchi", u"Esposito", u"Romano", u"Colombo", u"Ricci",
                                       u"Marino", u"Greco", u"Bruno", u"Gallo", u"Conti", u"De Luca"};
  static const char16_t* names[] = {u"Mario", u"Anna", u"Giuseppe", u"Laura", u"Luca", u"Francesca", u"Marco"};
  static const char16_t* towns[] = {u"Torino", u"Milano", u"Roma", u"Napoli", u"Bologna", u"Firenze", u"Bari"};
  static const char16_t* provinces[] = {u"TO", u"MI", u"RM", u"NA", u"BO", u"FI", u"BA"};
  static const char16_t* makes[] = {u"Fiat", u"Iveco", u"Renault", u"Volkswagen", u"Mercedes-Benz", u"Ford"};
  static const char16_t* models[] = {u"Panda", u"Daily", u"Master", u"Transporter", u"Sprinter", u"Transit", u"Ducato"};
  const std::string bytes = bench::recordBytes(drivers::driverLayout(), drivers, [](core::RecordBuffer& r, int i) {
    auto n = [&](int base) { return QString::number(base + i).toStdU16String(); };
    r.set("Conducente", std::u16string(surnames[i % 12]) + u" " + names[(i / 12) % 7]);
    r.set("Patenti", i % 4 ? u"B" : u"B C CQC");
    r.set("Recapito", u"333 " + n(1000000));
    r.set("Via", u"Via Giuseppe Garibaldi " + n(1));
    r.set("Cap", u"10" + n(100));
    r.set("Citta", towns[i % 7]);
    r.set("Prov", provinces[i % 7]);
    r.set("Compensi", u"Tariffa oraria concordata, rimborso chilometrico a parte");
    r.set("TelCasa", u"011 " + n(500000));
    r.set("TelCel", u"347 " + n(2000000));
    r.set("Email", u"conducente" + n(0) + u"@esempio.it");
    r.set("CodFisc", u"RSSMRA80A01L219X");
    r.set("PartitaIva", u"0" + n(1000000000));
    r.set("Iban", u"IT60X0542811101000000123456");
    r.set("Veicolo", i % 3 ? u"Furgone" : u"Autovettura");
    r.set("Marca", makes[i % 6]);
    r.set("Modello", models[(i / 6) % 7]);
    r.set("Colore", u"Bianco");
    r.set("Alimentazione", u"Gasolio");
    r.set("Targa", u"AB" + n(100000) + u"CD");
    r.set("Programma", i % 10 ? u"Ferie ad agosto, due settimane" : u"In ferie fino al 31 agosto, rientro il 1 settembre");
    r.set("Note", i % 50 ? u"Nessuna nota" : u"Disponibile anche nei fine settimana <su richiesta> & festivi");
    r.set("Ferie", i % 10 ? u"No" : u"S\u00EC");
    r.set("Trasferte", i % 3 ? u"No" : u"S\u00EC");
    r.set("File01", i % 9 ? u"" : u"patente.pdf");
  });
  bench::writeFileOrExit(path, bytes);
}
