// The gate visit record, byte for byte: layout, a visit as the card stores it, and
// how many records a file holds.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/archive.h"
#include "gate/visit_record.h"
#include "support/stored_fields.h"

using gate::VisitRecord;
using gate::visitLayout;

namespace {

TEST(VisitRecordBytes, FieldsOffsetsAndWidthsAsStored) {
  const StoredField cases[] = {
      {"DataEnt", 0, 10},      {"OraEnt", 11, 5},       {"OperatoreEnt", 17, 50}, {"Veicolo", 68, 50},
      {"Targa", 119, 30},      {"Conduttore", 150, 50}, {"Persone", 201, 250},    {"Merce", 452, 250},
      {"Foglio", 703, 50},     {"Tessere", 754, 120},   {"Luogo", 875, 120},      {"TelCel", 996, 50},
      {"Note", 1047, 250},     {"DataUsc", 1298, 10},   {"OraUsc", 1309, 5},      {"OperatoreUsc", 1315, 50},
  };
  const core::RecordLayout& layout = visitLayout();
  expectStoredFields(layout, 1366, cases);
  EXPECT_EQ(VisitRecord::kExtension, ".vis");
}

TEST(VisitRecordBytes, VisitMatchesBytesBuiltByHand) {
  // The vehicle picker's make + " " + model can reach 101 characters.
  const std::u16string make(50, u'M'), model(50, u'm');
  core::RecordBuffer rec(visitLayout());
  rec.set("DataEnt", u"05/03/2024");
  rec.set("OraEnt", u"8:5");  // times are stored as typed
  rec.set("OperatoreEnt", u"  Bianchi  ");
  rec.set("Veicolo", make + u" " + model);
  rec.set("Targa", u"AB123CD");
  rec.set("Conduttore", u"Nicol\u00F2 Rossi");
  rec.set("Tessere", u"12, 13 \u20AC");        // the euro sign is 0x80 in Windows-1252
  rec.set("Note", u"Consegna \u0142");         // a letter Windows-1252 lacks
  rec.set("DataUsc", u"06/03/2024");
  rec.set("OraUsc", u"17:45");
  rec.set("OperatoreUsc", u"Verdi");

  std::vector<std::uint8_t> expected(1366, 0);
  putField(expected, 0, "05/03/2024");
  putField(expected, 11, "8:5");
  putField(expected, 17, "Bianchi");
  putField(expected, 68, std::string(50, 'M'));
  putField(expected, 119, "AB123CD");
  putField(expected, 150, "Nicol\xF2 Rossi");
  putField(expected, 754, "12, 13 \x80");
  putField(expected, 1047, "Consegna ?");
  putField(expected, 1298, "06/03/2024");
  putField(expected, 1309, "17:45");
  putField(expected, 1315, "Verdi");
  EXPECT_EQ(std::vector<std::uint8_t>(rec.data(), rec.data() + rec.size()), expected);

  // Leaving the exit empty again stores a length byte 0 and leaves the old text bytes.
  rec.set("DataUsc", u"");
  EXPECT_EQ(rec.data()[1298], 0);
  EXPECT_EQ(rec.data()[1299], '0');
  EXPECT_EQ(rec.get("DataUsc"), u"");
}

TEST(VisitRecordBytes, OnlyWholeRecordsCountAndTheSecondStartsAt1366) {
  std::string dir = (std::filesystem::temp_directory_path() / "velmora-visit-XXXXXX").string();
  ASSERT_NE(::mkdtemp(dir.data()), nullptr);
  const std::string path = dir + "/2024" + std::string(VisitRecord::kExtension);
  std::vector<std::uint8_t> file(2 * 1366 + 100, 0);
  putField(file, 1366 + 119, "ZZ999ZZ");      // the second visit's plate
  putField(file, 2 * 1366 + 11, "TAIL");      // in the partial record after it
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(file.data()),
                                              static_cast<std::streamsize>(file.size()));
  {
    core::Archive archive(path, VisitRecord::kSize);
    EXPECT_EQ(archive.count(), 2u);
    core::RecordBuffer rec(visitLayout());
    archive.seek(1);
    archive.read(rec);
    EXPECT_EQ(rec.get("Targa"), u"ZZ999ZZ");
    EXPECT_THROW(archive.read(rec), core::ArchiveError);  // the tail is no record
  }
  EXPECT_EQ(std::filesystem::file_size(path), 2u * 1366 + 100);  // nothing cut away
  std::filesystem::remove_all(dir);
}

}  // namespace
