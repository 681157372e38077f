// The mileage schedule record, byte for byte: layout, a deadline as the card stores
// it, and the length of the archive as records are appended.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "core/archive.h"
#include "maintenance/mileage_record.h"
#include "support/stored_fields.h"

using maintenance::MileageDeadlineRecord;
using maintenance::mileageLayout;

namespace {

TEST(MileageRecordBytes, FieldsOffsetsAndWidthsAsStored) {
  const StoredField cases[] = {
      {"Veicolo", 0, 50},        {"Marca", 51, 50},          {"Modello", 102, 50},
      {"Colore", 153, 50},       {"Alimentazione", 204, 50}, {"Targa", 255, 30},
      {"Conducente", 286, 50},   {"CodFisc", 337, 16},       {"Recapito", 354, 50},
      {"Manutenzione", 405, 50}, {"Dettagli", 456, 250},     {"Officina", 707, 120},
      {"Costo", 828, 15},        {"DataInt", 844, 10},       {"KmRil", 855, 10},
      {"DataRil", 866, 10},      {"Ogni", 877, 10},          {"Prossima", 888, 15},
      {"KmAttuali", 904, 15},    {"DataAtt", 920, 10},       {"Stato", 931, 7},
      {"Effettuata", 939, 2},    {"Note", 942, 250},
  };
  const core::RecordLayout& layout = mileageLayout();
  expectStoredFields(layout, 1193, cases);
  EXPECT_EQ(MileageDeadlineRecord::kArchiveName, "Scadenzario_Chilometrico.pro");
}

TEST(MileageRecordBytes, DeadlineMatchesBytesBuiltByHand) {
  core::RecordBuffer rec(mileageLayout());
  rec.set("Veicolo", std::u16string(60, u'v'));   // 60 characters into 50
  rec.set("Costo", u"12,50");
  rec.set("KmRil", u"400");
  rec.set("DataRil", u"05/03/2024");
  rec.set("Ogni", u"150");
  rec.set("Prossima", u"550");
  rec.set("KmAttuali", u"551");
  rec.set("Stato", u"SCADUTA");
  rec.set("Effettuata", u"S\u00EC");
  rec.set("Note", u"Tagliando \u00E8 fatto");

  std::vector<std::uint8_t> expected(1193, 0);
  putField(expected, 0, std::string(50, 'v'));
  putField(expected, 828, "12,50");
  putField(expected, 855, "400");
  putField(expected, 866, "05/03/2024");
  putField(expected, 877, "150");
  putField(expected, 888, "550");
  putField(expected, 904, "551");
  putField(expected, 931, "SCADUTA");
  putField(expected, 939, "S\xEC");
  putField(expected, 942, "Tagliando \xE8 fatto");
  EXPECT_EQ(std::vector<std::uint8_t>(rec.data(), rec.data() + rec.size()), expected);

  rec.set("Effettuata", u"No");
  EXPECT_EQ(rec.data()[939], 0x02);
  EXPECT_EQ(rec.data()[940], 0x4E);
  EXPECT_EQ(rec.data()[941], 0x6F);
  // A due reading written with an exponent and longer than the field is cut.
  rec.set("Prossima", u"1,23456789012346E20");
  EXPECT_EQ(rec.get("Prossima"), u"1,2345678901234");
}

TEST(MileageRecordBytes, ThreeRecordsAre3579BytesAndAFourthMakes4772) {
  std::string dir = (std::filesystem::temp_directory_path() / "velmora-mileage-XXXXXX").string();
  ASSERT_NE(::mkdtemp(dir.data()), nullptr);
  const std::string path = dir + "/" + std::string(MileageDeadlineRecord::kArchiveName);
  core::RecordBuffer rec(mileageLayout());
  {
    core::Archive archive(path, MileageDeadlineRecord::kSize);
    for (int i = 0; i < 3; ++i) {
      archive.seek(archive.count());
      archive.write(rec);
    }
  }
  const auto afterThree = std::filesystem::file_size(path);
  {
    core::Archive archive(path, MileageDeadlineRecord::kSize);
    archive.seek(archive.count());
    archive.write(rec);
  }
  const auto afterFour = std::filesystem::file_size(path);
  std::filesystem::remove_all(dir);
  EXPECT_EQ(afterThree, 3579u);
  EXPECT_EQ(afterFour, 4772u);
}

}  // namespace
