// The cost record, byte for byte: layout, a payment as the card stores it, the yearly
// file name, and how many records a file holds.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/archive.h"
#include "costs/cost_record.h"
#include "support/stored_fields.h"

using costs::CostRecord;
using costs::costLayout;

namespace {

TEST(CostRecordBytes, FieldsOffsetsAndWidthsAsStored) {
  const StoredField cases[] = {
      {"Giorno", 0, 2},           {"Mese", 3, 10},           {"Anno", 14, 4},
      {"Data", 19, 10},           {"Luogo", 30, 50},         {"Veicolo", 81, 50},
      {"Marca", 132, 50},         {"Modello", 183, 50},      {"Colore", 234, 50},
      {"Alimentazione", 285, 50}, {"Targa", 336, 30},        {"Causale", 367, 50},
      {"Descrizione", 418, 250},  {"Modalita", 669, 120},    {"Estremi", 790, 120},
      {"Importo", 911, 15},       {"Pagatore", 927, 120},    {"RecPagatore", 1048, 50},
      {"Beneficiario", 1099, 120}, {"RecBeneficiario", 1220, 50}, {"Conducente", 1271, 50},
      {"Recapito", 1322, 50},     {"Saldato", 1373, 2},      {"Note", 1376, 250},
  };
  expectStoredFields(costLayout(), 1627, cases);
  EXPECT_EQ(CostRecord::kExtension, ".eur");
  EXPECT_EQ(costs::costArchiveName("2023"), "2023.eur");
  EXPECT_EQ(costs::costArchiveName("0000"), "0000.eur");
}

TEST(CostRecordBytes, PaymentMatchesBytesBuiltByHand) {
  core::RecordBuffer rec(costLayout());
  rec.set("Giorno", u"05");
  rec.set("Mese", u"Marzo");
  rec.set("Anno", u"2023");
  rec.set("Data", u"05/03/2023");
  rec.set("Luogo", u"  Officina Rossi  ");  // stored without its end blanks
  rec.set("Marca", u"Fiat");
  rec.set("Targa", u"AB123CD");
  rec.set("Causale", u"Revisione");
  rec.set("Importo", u"1234567890123,45");  // 16 characters: the field keeps 15
  rec.set("Beneficiario", u"Nicol\u00F2 Verdi");
  rec.set("Saldato", u"S\u00EC");
  rec.set("Note", u"Pagato \u20AC 80");  // the euro sign is 0x80 in Windows-1252
  rec.set("Recapito", std::u16string(60, u'9'));  // cut to the width

  std::vector<std::uint8_t> expected(1627, 0);
  putField(expected, 0, "05");
  putField(expected, 3, "Marzo");
  putField(expected, 14, "2023");
  putField(expected, 19, "05/03/2023");
  putField(expected, 30, "Officina Rossi");
  putField(expected, 132, "Fiat");
  putField(expected, 336, "AB123CD");
  putField(expected, 367, "Revisione");
  putField(expected, 911, "1234567890123,4");
  putField(expected, 1099, "Nicol\xF2 Verdi");
  putField(expected, 1322, std::string(50, '9'));
  putField(expected, 1373, "S\xEC");
  putField(expected, 1376, "Pagato \x80 80");
  EXPECT_EQ(std::vector<std::uint8_t>(rec.data(), rec.data() + rec.size()), expected);
  EXPECT_EQ(rec.data()[1373], 0x02);
  EXPECT_EQ(rec.data()[1374], 0x53);
  EXPECT_EQ(rec.data()[1375], 0xEC);

  // "No" is 02 4E 6F; an empty field is a length byte 0 with the old bytes left.
  rec.set("Saldato", u"No");
  EXPECT_EQ(std::vector<std::uint8_t>(rec.data() + 1373, rec.data() + 1376), (std::vector<std::uint8_t>{2, 0x4E, 0x6F}));
  rec.set("Targa", u"");
  EXPECT_EQ(rec.data()[336], 0);
  EXPECT_EQ(rec.data()[337], 'A');
  EXPECT_EQ(rec.get("Targa"), u"");
}

TEST(CostRecordBytes, OnlyWholeRecordsCountAndTheSecondStartsAt1627) {
  std::string dir = (std::filesystem::temp_directory_path() / "velmora-cost-XXXXXX").string();
  ASSERT_NE(::mkdtemp(dir.data()), nullptr);
  const std::string path = dir + "/" + costs::costArchiveName("2023");
  std::vector<std::uint8_t> file(2 * 1627 + 100, 0);
  putField(file, 1627 + 911, "80,00");       // the second payment's amount
  putField(file, 1627 + 1373, "No");
  putField(file, 2 * 1627 + 19, "TAIL");     // in the partial record after it
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(file.data()),
                                              static_cast<std::streamsize>(file.size()));
  {
    core::Archive archive(path, CostRecord::kSize);
    EXPECT_EQ(archive.count(), 2u);
    core::RecordBuffer rec(costLayout());
    archive.seek(1);
    archive.read(rec);
    EXPECT_EQ(rec.get("Importo"), u"80,00");
    EXPECT_EQ(rec.get("Saldato"), u"No");
    EXPECT_THROW(archive.read(rec), core::ArchiveError);  // the tail is no record
  }
  EXPECT_EQ(std::filesystem::file_size(path), 2u * 1627 + 100);  // nothing cut away
  std::filesystem::remove_all(dir);
}

}  // namespace
