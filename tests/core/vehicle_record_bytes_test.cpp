// The vehicle record, byte for byte: layout, stored texts, plate characters, photo names.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "support/stored_fields.h"
#include "vehicles/vehicle_record.h"

using vehicles::VehicleRecord;
using vehicles::vehicleLayout;

namespace {

TEST(VehicleRecordBytes, FieldsOffsetsAndWidthsAsStored) {
  // Offsets taken from the file layout the other programs read.
  const StoredField cases[] = {
      {"Tipo", 0, 50},          {"Destinazione", 51, 50},    {"Marca", 102, 50},
      {"Modello", 153, 50},     {"Targa", 204, 12},          {"Anno", 217, 20},
      {"Colore", 238, 50},      {"Telaio", 289, 10},         {"Pneumatici", 300, 120},
      {"Stato", 421, 50},       {"Chilometri", 472, 50},     {"Lettura", 523, 10},
      {"Alimentazione", 534, 50}, {"Cilindrata", 585, 50},   {"KW", 636, 50},
      {"Ambiente", 687, 50},    {"Posti", 738, 50},          {"Portata", 789, 50},
      {"Compagnia", 840, 120},  {"TelAssicuratore", 961, 50}, {"Polizza", 1012, 50},
      {"Incidenti", 1063, 250}, {"Proprietario", 1314, 50},  {"Autista", 1365, 50},
      {"TelAutista", 1416, 50}, {"Meccanico", 1467, 50},     {"TelMeccanico", 1518, 50},
      {"ScadRevisione", 1569, 10}, {"ScadTagliando", 1580, 10}, {"ScadAssicurazione", 1591, 10},
      {"ScadBollo", 1602, 10},  {"Note", 1613, 250},         {"File01", 1864, 250},
      {"File02", 2115, 250},    {"File03", 2366, 250},       {"Desc01", 2617, 250},
      {"Desc02", 2868, 250},    {"Desc03", 3119, 250},
  };
  const core::RecordLayout& layout = vehicleLayout();
  expectStoredFields(layout, 3370, cases);
  EXPECT_EQ(VehicleRecord::kArchiveName, "Parco_Automezzi.pro");
}

TEST(VehicleRecordBytes, RecordMatchesBytesBuiltByHand) {
  core::RecordBuffer rec(vehicleLayout());
  rec.set("Tipo", u"  Autocarro ");
  rec.set("Targa", u"AB123CD");
  rec.set("Ambiente", u"Euro 6 \u00E8");           // è
  rec.set("Telaio", u"12345678901234");             // 14 characters into 10
  rec.set("Note", u"prezzo \u20AC 10");             // the euro sign is 0x80
  rec.set("Desc03", u"fattura \u0141");             // a letter the code page lacks

  std::vector<std::uint8_t> expected(3370, 0);
  putField(expected, 0, "Autocarro");
  putField(expected, 204, "AB123CD");
  putField(expected, 687, "Euro 6 \xE8");
  putField(expected, 289, "1234567890");
  putField(expected, 1613, "prezzo \x80 10");
  putField(expected, 3119, "fattura ?");
  EXPECT_EQ(std::vector<std::uint8_t>(rec.data(), rec.data() + rec.size()), expected);

  EXPECT_EQ(rec.get("Ambiente"), u"Euro 6 \u00E8");
  EXPECT_EQ(rec.get("Note"), u"prezzo \u20AC 10");
}

TEST(VehicleRecordBytes, ShorterValueLeavesOldTailUnreadAndCorruptLengthStopsAtWidth) {
  core::RecordBuffer rec(vehicleLayout());
  rec.set("Marca", u"Mercedes-Benz");
  rec.set("Marca", u"Fiat");
  EXPECT_EQ(rec.data()[102], 4);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(rec.data()) + 103, 13), "Fiatedes-Benz");
  EXPECT_EQ(rec.get("Marca"), u"Fiat");

  // A length byte of 200 in the 12-wide plate: the plate's 12 bytes, not a byte more.
  rec.set("Anno", u"2019");
  std::uint8_t* targa = rec.data() + 204;
  targa[0] = 200;
  for (int i = 1; i <= 12; ++i) targa[i] = static_cast<std::uint8_t>('A' + i - 1);
  EXPECT_EQ(rec.get("Targa"), u"ABCDEFGHIJKL");
  EXPECT_EQ(rec.get("Anno"), u"2019");
}

TEST(VehicleRecordBytes, PlateCharacters) {
  const std::u16string refused =
      u"&/<>\u0080\u00A3\u00B0"
      u"\u00C0\u00C1\u00C2\u00C4\u00C7\u00C8\u00C9\u00CA\u00CB\u00CC\u00CD\u00CE\u00CF"
      u"\u00D1\u00D2\u00D3\u00D4\u00D6\u00D9\u00DA\u00DB\u00DC"
      u"\u00E0\u00E1\u00E2\u00E4\u00E7\u00E8\u00E9\u00EA\u00EB\u00EC\u00ED\u00EE\u00EF"
      u"\u00F1\u00F2\u00F3\u00F4\u00F6\u00F9\u00FA\u00FB\u00FC";
  int count = 0;
  for (char16_t c = 32; c <= 255; ++c) {
    const bool expected = refused.find(c) != std::u16string::npos;
    EXPECT_EQ(vehicles::isRefusedPlateChar(c), expected) << "U+" << std::hex << int(c);
    count += expected;
  }
  EXPECT_EQ(count, 51);
  for (char16_t c : std::u16string(u"09AZaz -.\u00C3\u00C5\u00D8\u00DF\u00FF\u00F8"))
    EXPECT_FALSE(vehicles::isRefusedPlateChar(c)) << "U+" << std::hex << int(c);
}

TEST(VehicleRecordBytes, PhotoFileNamedAfterTheRecordNumber) {
  EXPECT_EQ(vehicles::photoFileName(7), "Scheda_Veicolo_7.jpg");
  EXPECT_EQ(vehicles::photoFileName(10), "Scheda_Veicolo_10.jpg");
  EXPECT_EQ(vehicles::kPhotoFolder, "Autoparco");
}

}  // namespace
