// The trip record, byte for byte: layout, the five refuel rows, the flag, the
// attachments, and where the second record's fields lie in the archive.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "core/archive.h"
#include "trips/trip_record.h"
#include "support/stored_fields.h"

using trips::TripRecord;
using trips::tripLayout;

namespace {

TEST(TripRecordBytes, FieldsOffsetsAndWidthsAsStored) {
  struct Case {
    const char* name;
    std::size_t offset;
    std::size_t width;
  };
  const Case cases[] = {
      {"DataPartenza", 0, 10},    {"OraPartenza", 11, 5},     {"DataRientro", 17, 10},
      {"OraRientro", 28, 5},      {"Luogo", 34, 120},         {"Itinerario", 155, 250},
      {"Scopo", 406, 250},        {"Veicolo", 657, 50},       {"Targa", 708, 30},
      {"Conduttore", 739, 50},    {"Supplementare", 790, 50}, {"Persone", 841, 250},
      {"TotViaggiatori", 1092, 5}, {"Merce", 1098, 250},
      {"LitriTot", 1799, 5},      {"ImportoTot", 1805, 15},   {"KmPartenza", 1821, 15},
      {"KmRientro", 1837, 15},    {"KmPercorsi", 1853, 15},   {"InCorso", 1869, 2},
      {"File01", 1872, 250},      {"File02", 2123, 250},      {"File03", 2374, 250},
      {"Desc01", 2625, 250},      {"Desc02", 2876, 250},      {"Desc03", 3127, 250},
  };
  const core::RecordLayout& layout = tripLayout();
  ASSERT_EQ(layout.fieldCount(), 51u);
  EXPECT_EQ(layout.size(), 3378u);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::size_t i = layout.indexOf(c.name);
    EXPECT_EQ(layout.offset(i), c.offset);
    EXPECT_EQ(layout.field(i).width, c.width);
  }
  // Refuel row N starts at 1349 + 90 (N - 1); its fields at +0, +11, +17, +68, +74.
  struct Refuel {
    const char* base;
    TripRecord::RefuelField field;
    std::size_t offsetInRow;
    std::size_t width;
  };
  const Refuel row[] = {{"DataRif", TripRecord::DataRif, 0, 10},
                        {"OraRif", TripRecord::OraRif, 11, 5},
                        {"Stazione", TripRecord::Stazione, 17, 50},
                        {"Litri", TripRecord::Litri, 68, 5},
                        {"Importo", TripRecord::Importo, 74, 15}};
  for (std::size_t n = 1; n <= TripRecord::kRefuelRows; ++n) {
    for (const Refuel& f : row) {
      const std::string name = f.base + std::string("0") + char('0' + n);
      SCOPED_TRACE(name);
      const std::size_t i = TripRecord::refuelField(n, f.field);
      EXPECT_EQ(layout.field(i).name, name);
      EXPECT_EQ(layout.offset(i), 1349 + 90 * (n - 1) + f.offsetInRow);
      EXPECT_EQ(layout.field(i).width, f.width);
    }
  }
  EXPECT_EQ(TripRecord::kArchiveName, "Registro_Viaggi.pro");
}

TEST(TripRecordBytes, TripMatchesBytesBuiltByHand) {
  core::RecordBuffer rec(tripLayout());
  rec.set("DataPartenza", u"05/03/2024");
  rec.set("Luogo", u"Milano");
  rec.set("Veicolo", u"Fiat Panda");
  rec.set("Targa", u"AB123CD");
  rec.set("Litri01", u"12");
  rec.set("Importo01", u"10,50");
  rec.set("Stazione03", u"Stazione \u20AC");
  rec.set("Litri05", u"17");
  rec.set("Importo05", u"0,00");
  rec.set("LitriTot", u"499995");                   // a six-digit total keeps five characters
  rec.set("ImportoTot", u"30,50");
  rec.set("KmPercorsi", u"-50");
  rec.set("InCorso", u"S\u00EC");
  rec.set("File01", u"scontrino.pdf");
  rec.set("Desc03", u"ricevuta");

  std::vector<std::uint8_t> expected(3378, 0);
  putField(expected, 0, "05/03/2024");
  putField(expected, 34, "Milano");
  putField(expected, 657, "Fiat Panda");
  putField(expected, 708, "AB123CD");
  putField(expected, 1349 + 68, "12");
  putField(expected, 1349 + 74, "10,50");
  putField(expected, 1349 + 180 + 17, "Stazione \x80");
  putField(expected, 1349 + 360 + 68, "17");
  putField(expected, 1349 + 360 + 74, "0,00");
  putField(expected, 1799, "49999");
  putField(expected, 1805, "30,50");
  putField(expected, 1853, "-50");
  putField(expected, 1869, "S\xEC");
  putField(expected, 1872, "scontrino.pdf");
  putField(expected, 3127, "ricevuta");
  EXPECT_EQ(std::vector<std::uint8_t>(rec.data(), rec.data() + rec.size()), expected);

  rec.set("InCorso", u"No");
  EXPECT_EQ(rec.data()[1869], 0x02);
  EXPECT_EQ(rec.data()[1870], 0x4E);
  EXPECT_EQ(rec.data()[1871], 0x6F);
}

TEST(TripRecordBytes, TwoSavesMake6756BytesWithTheSecondRecordAt3378) {
  std::string dir = (std::filesystem::temp_directory_path() / "velmora-trip-XXXXXX").string();
  ASSERT_NE(::mkdtemp(dir.data()), nullptr);
  const std::string path = dir + "/" + std::string(TripRecord::kArchiveName);
  {
    core::Archive archive(path, TripRecord::kSize);
    core::RecordBuffer rec(tripLayout());
    for (const char16_t* km : {u"150", u"-50"}) {
      rec.set("KmPercorsi", km);
      archive.seek(archive.count());
      archive.write(rec);
    }
  }
  std::ifstream in(path, std::ios::binary);
  const std::string file{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  std::filesystem::remove_all(dir);
  ASSERT_EQ(file.size(), 6756u);
  EXPECT_EQ(file.substr(1853, 4), "\x03" "150");
  EXPECT_EQ(file.substr(3378 + 1853, 4), "\x03-50");
}

}  // namespace
