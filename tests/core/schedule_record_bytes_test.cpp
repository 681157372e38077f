// The maintenance schedule record, byte for byte: layout, a deadline as the card
// stores it, and where each record lies in a year's file.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "core/archive.h"
#include "core/text.h"
#include "maintenance/schedule_record.h"
#include "support/stored_fields.h"

using maintenance::MaintenanceDeadlineRecord;
using maintenance::scheduleLayout;

namespace {

TEST(ScheduleRecordBytes, FieldsOffsetsAndWidthsAsStored) {
  const StoredField cases[] = {
      {"Giorno", 0, 2},          {"Mese", 3, 10},           {"Anno", 14, 4},
      {"Data", 19, 10},          {"OreApp", 30, 2},         {"MinutiApp", 33, 2},
      {"Ora", 36, 5},            {"Avviso", 42, 3},         {"Conducente", 46, 50},
      {"CodFisc", 97, 16},       {"Recapito", 114, 50},     {"Veicolo", 165, 50},
      {"Marca", 216, 50},        {"Modello", 267, 50},      {"Colore", 318, 50},
      {"Alimentazione", 369, 50}, {"Targa", 420, 30},       {"Manutenzione", 451, 50},
      {"Dettagli", 502, 250},    {"Officina", 753, 250},    {"Costo", 1004, 15},
      {"Contatto", 1020, 50},    {"Note", 1071, 250},       {"DaConfermare", 1322, 2},
      {"Effettuata", 1325, 2},
  };
  const core::RecordLayout& layout = scheduleLayout();
  expectStoredFields(layout, 1328, cases);
  EXPECT_EQ(maintenance::scheduleArchiveName("2024"), "2024.sca");
  EXPECT_EQ(maintenance::scheduleArchiveName("0000"), "0000.sca");
}

TEST(ScheduleRecordBytes, DeadlineMatchesBytesBuiltByHand) {
  core::RecordBuffer rec(scheduleLayout());
  rec.set("Giorno", u"05");
  rec.set("Mese", u"Marzo");
  rec.set("Anno", u"2024");
  rec.set("Data", core::composeDate(u"05", u"Marzo", u"2024"));  // as the save builds it
  rec.set("OreApp", u"09");
  rec.set("MinutiApp", u"30");
  rec.set("Ora", u"09:30");
  rec.set("Avviso", u"10");
  rec.set("Targa", u"AB123CD");
  rec.set("Costo", u"123456789012,00");            // 15 characters, stored whole
  rec.set("Officina", u"Filtro \u20AC");           // the euro sign is 0x80
  rec.set("DaConfermare", u"S\u00EC");
  rec.set("Effettuata", u"No");

  std::vector<std::uint8_t> expected(1328, 0);
  putField(expected, 0, "05");
  putField(expected, 3, "Marzo");
  putField(expected, 14, "2024");
  putField(expected, 19, "05/03/2024");
  putField(expected, 30, "09");
  putField(expected, 33, "30");
  putField(expected, 36, "09:30");
  putField(expected, 42, "10");
  putField(expected, 420, "AB123CD");
  putField(expected, 1004, "123456789012,00");
  putField(expected, 753, "Filtro \x80");
  putField(expected, 1322, "S\xEC");
  putField(expected, 1325, "No");
  EXPECT_EQ(std::vector<std::uint8_t>(rec.data(), rec.data() + rec.size()), expected);

  // A cost the normaliser made longer than the field keeps its first 15 characters.
  rec.set("Costo", u"123456789012345,00");
  EXPECT_EQ(rec.get("Costo"), u"123456789012345");
}

TEST(ScheduleRecordBytes, RecordKStartsAt1328TimesK) {
  std::string dir = (std::filesystem::temp_directory_path() / "velmora-schedule-XXXXXX").string();
  ASSERT_NE(::mkdtemp(dir.data()), nullptr);
  const std::string path = dir + "/" + maintenance::scheduleArchiveName("2024");
  {
    core::Archive archive(path, MaintenanceDeadlineRecord::kSize);
    core::RecordBuffer rec(scheduleLayout());
    for (char16_t k = u'0'; k < u'3'; ++k) {
      rec.set("Giorno", std::u16string(u"0") + k);
      rec.set("Effettuata", k == u'2' ? u"S\u00EC" : u"No");
      archive.seek(archive.count());
      archive.write(rec);
    }
  }
  std::ifstream in(path, std::ios::binary);
  const std::string file{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  std::filesystem::remove_all(dir);
  ASSERT_EQ(file.size(), 3u * 1328);
  for (std::size_t k = 0; k < 3; ++k) {
    SCOPED_TRACE(k);
    EXPECT_EQ(file.substr(1328 * k, 3), std::string("\x02") + "0" + char('0' + k));
  }
  EXPECT_EQ(file.substr(2 * 1328 + 1325, 3), "\x02S\xEC");
  EXPECT_EQ(file.substr(1 * 1328 + 1325, 3), "\x02No");
}

}  // namespace
