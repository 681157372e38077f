// The driver record, byte for byte: layout, flags, attachment order, a minimal card.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "core/text.h"
#include "drivers/driver_record.h"
#include "support/stored_fields.h"

using drivers::DriverRecord;
using drivers::driverLayout;

namespace {

std::vector<std::uint8_t> bytesOf(const core::RecordBuffer& r) { return {r.data(), r.data() + r.size()}; }

TEST(DriverRecordBytes, FieldsOffsetsAndWidthsAsStored) {
  const StoredField cases[] = {
      {"Conducente", 0, 50},     {"Patenti", 51, 50},       {"Recapito", 102, 50},
      {"Via", 153, 120},         {"Cap", 274, 12},          {"Citta", 287, 50},
      {"Prov", 338, 2},          {"Compensi", 341, 250},    {"TelCasa", 592, 30},
      {"TelUff", 623, 30},       {"TelCel", 654, 30},       {"Fax", 685, 50},
      {"Email", 736, 50},        {"CodFisc", 787, 16},      {"Carta", 804, 30},
      {"ScadeCarta", 835, 30},   {"PartitaIva", 866, 11},   {"Iban", 878, 27},
      {"Veicolo", 906, 50},      {"Marca", 957, 50},        {"Modello", 1008, 50},
      {"Colore", 1059, 50},      {"Alimentazione", 1110, 50}, {"Targa", 1161, 30},
      {"Programma", 1192, 250},  {"Note", 1443, 250},       {"Ferie", 1694, 2},
      {"Trasferte", 1697, 2},    {"File01", 1700, 250},     {"File02", 1951, 250},
      {"File03", 2202, 250},     {"Desc01", 2453, 250},     {"Desc02", 2704, 250},
      {"Desc03", 2955, 250},
  };
  const core::RecordLayout& layout = driverLayout();
  expectStoredFields(layout, 3206, cases);
  EXPECT_EQ(DriverRecord::kArchiveName, "Conducenti.pro");
}

TEST(DriverRecordBytes, RecordMatchesBytesBuiltByHand) {
  core::RecordBuffer rec(driverLayout());
  rec.set("Conducente", u"  Rossi Mario ");
  rec.set("Citta", u"Forl\u00EC");                 // ì
  rec.set("Prov", u"FCX");                          // the province keeps two characters
  rec.set("Ferie", u"S\u00EC");
  rec.set("Trasferte", u"No");
  rec.set("File01", u"patente.pdf");
  rec.set("File02", u"carta.jpg");
  rec.set("File03", u"contratto.doc");
  rec.set("Desc01", u"Patente di guida");
  rec.set("Desc03", u"Contratto " + std::u16string(300, u'x'));  // cut to 250

  std::vector<std::uint8_t> expected(3206, 0);
  putField(expected, 0, "Rossi Mario");
  putField(expected, 287, "Forl\xEC");
  putField(expected, 338, "FC");
  putField(expected, 1694, "S\xEC");
  putField(expected, 1697, "No");
  // The three names first, then the three descriptions.
  putField(expected, 1700, "patente.pdf");
  putField(expected, 1951, "carta.jpg");
  putField(expected, 2202, "contratto.doc");
  putField(expected, 2453, "Patente di guida");
  putField(expected, 2955, "Contratto " + std::string(240, 'x'));
  EXPECT_EQ(bytesOf(rec), expected);

  const std::uint8_t yes[] = {0x02, 0x53, 0xEC}, no[] = {0x02, 0x4E, 0x6F};
  EXPECT_TRUE(std::equal(yes, yes + 3, rec.data() + 1694));
  EXPECT_TRUE(std::equal(no, no + 3, rec.data() + 1697));
  EXPECT_EQ(rec.get("Ferie"), u"S\u00EC");
  EXPECT_EQ(rec.get("Citta"), u"Forl\u00EC");
  EXPECT_EQ(rec.get("Desc03").size(), 250u);
}

TEST(DriverRecordBytes, CardWithOnlyTheRequiredFieldsOverAFullBuffer) {
  // The card reuses its buffer: write a full record first, then a card that has only
  // the four required fields. Every other text field gets length 0 (its old bytes stay
  // behind the length and mean nothing) and both flags "No".
  const core::RecordLayout& layout = driverLayout();
  core::RecordBuffer rec(layout);
  for (std::size_t i = 0; i < layout.fieldCount(); ++i) rec.set(i, u"S\u00EC pieno pieno pieno");

  const std::u16string required[][2] = {
      {u"Conducente", u"Bianchi Anna"}, {u"Marca", u"Fiat"}, {u"Modello", u"Panda"}, {u"Targa", u"AB123CD"}};
  for (std::size_t i = 0; i < layout.fieldCount(); ++i) rec.set(i, u"");
  for (const auto& r : required) rec.set(core::toUtf8(r[0]), r[1]);
  rec.set("Ferie", u"No");
  rec.set("Trasferte", u"No");

  for (std::size_t i = 0; i < layout.fieldCount(); ++i) {
    const std::string name(layout.field(i).name);
    SCOPED_TRACE(name);
    const std::uint8_t* field = rec.data() + layout.offset(i);
    if (name == "Ferie" || name == "Trasferte") {
      EXPECT_EQ(field[0], 2);
      EXPECT_EQ(field[1], 0x4E);
      EXPECT_EQ(field[2], 0x6F);
    } else if (name == "Conducente" || name == "Marca" || name == "Modello" || name == "Targa") {
      EXPECT_NE(field[0], 0);
    } else {
      EXPECT_EQ(field[0], 0);
      EXPECT_EQ(rec.get(i), u"");
    }
  }
  EXPECT_EQ(rec.get("Conducente"), u"Bianchi Anna");
  EXPECT_EQ(rec.get("Targa"), u"AB123CD");
}

}  // namespace
