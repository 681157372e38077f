// The planner file byte for byte: its record, its name, and what a load and a save do
// to the file and to the board's one record buffer.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

#include <string>

#include "planner/board_days.h"
#include "planner/planner_file.h"
#include "support/record_bytes.h"

using planner::BookingPlan;
using planner::BookingPlanRecord;

namespace {

std::string ascii(core::TextView t) { return std::string(t.begin(), t.end()); }

class PlannerFile : public ::testing::Test {
 protected:
  std::string path() const { return QFile::encodeName(dir.filePath("plan.pln")).toStdString(); }
  QByteArray bytes() const {
    QFile f(dir.filePath("plan.pln"));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
  void write(const QByteArray& b) const {
    QFile f(dir.filePath("plan.pln"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(b);
  }
  // Loads through a fresh open, as the board does.
  bool load(BookingPlan& plan) const {
    core::Archive archive(path(), BookingPlanRecord::kSize);
    return plan.load(archive);
  }
  std::size_t save(BookingPlan& plan) const {
    core::Archive archive(path(), BookingPlanRecord::kSize);
    return plan.save(archive, 0);
  }
  QTemporaryDir dir;
};

TEST(BookingPlanRecordLayout, FieldsAtTheirOffsets) {
  const core::RecordLayout& layout = planner::bookingPlanLayout();
  EXPECT_EQ(layout.size(), 18850u);
  ASSERT_EQ(layout.fieldCount(), 370u);
  struct Case {
    const char* name;
    std::size_t field, offset, width;
  };
  const Case cases[] = {
      {"Veicolo", 0, 0, 50},         {"Marca", 1, 51, 50},          {"Modello", 2, 102, 50},
      {"Targa", 3, 153, 30},         {"Giorni[0]", 4, 184, 50},     {"Giorni[30]", 34, 1714, 50},
      {"Giorni[31]", 35, 1765, 50},  {"Giorni[59]", 63, 3193, 50},  {"Giorni[60]", 64, 3244, 50},
      {"Giorni[90]", 94, 4774, 50},  {"Giorni[335]", 339, 17269, 50}, {"Giorni[365]", 369, 18799, 50},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(layout.field(c.field).name, c.name);
    EXPECT_EQ(layout.offset(c.field), c.offset);
    EXPECT_EQ(layout.field(c.field).width, c.width);
    EXPECT_EQ(layout.indexOf(c.name), c.field);
  }
  // Day index i lies at 184 + 51 i, the first of each month as the file has it.
  const std::size_t firsts[] = {184, 1765, 3244, 4825, 6355, 7936, 9466, 11047, 12628, 14158, 15739, 17269};
  for (const planner::BoardDay& d : planner::boardDays()) {
    EXPECT_EQ(layout.offset(BookingPlanRecord::dayField(static_cast<std::size_t>(d.index))),
              184u + 51u * static_cast<std::size_t>(d.index));
    if (d.day == 1) {
      EXPECT_EQ(184u + 51u * static_cast<std::size_t>(d.index), firsts[d.month - 1]) << d.key;
    }
  }
}

TEST(PlannerFileName, PlateAndYearMadeSafeForOneFolder) {
  struct Case {
    const char16_t* plate;
    const char16_t* year;
    const char* name;
  };
  const Case cases[] = {
      {u"AB123CD", u"2024", "Prenotazioni veicolo targa AB123CD anno 2024.pln"},
      {u"  AB123CD ", u" 2024 ", "Prenotazioni veicolo targa AB123CD anno 2024.pln"},
      {u"ZA 987 KK", u"2025", "Prenotazioni veicolo targa ZA 987 KK anno 2025.pln"},
      {u"X\\..\\..\\Y", u"2024", "Prenotazioni veicolo targa X_.._.._Y anno 2024.pln"},
      {u"AB\\12", u"2024", "Prenotazioni veicolo targa AB_12 anno 2024.pln"},
      {u"../../etc", u"2024", "Prenotazioni veicolo targa .._.._etc anno 2024.pln"},
      {u"A:B*C?D\"E<F>G|H", u"2024", "Prenotazioni veicolo targa A_B_C_D_E_F_G_H anno 2024.pln"},
      {u"AB\u0001CD", u"2024", "Prenotazioni veicolo targa AB_CD anno 2024.pln"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ascii(planner::plannerFileName(c.plate, c.year)), c.name);
  }
}

TEST_F(PlannerFile, SaveWritesTheRecordAsBuiltByHand) {
  // The buffer first holds a stored record whose texts are longer than the new ones:
  // the bytes past each new length stay as they were.
  write(handBuiltRecord(18850, {{0, "Autovettura station wagon"},
                                {51, "Volkswagen"},
                                {184, "Bianchi Mario 333 1234567"},
                                {3193, "Verdi"},
                                {18799, "Neri Luca"}}));
  BookingPlan plan;
  ASSERT_TRUE(load(plan));

  plan.setHeader(u" Autovettura ", u"Fiat", u"Panda", u"AB123CD");
  plan.setDayText(0, u"Rossi");
  plan.setDayText(59, u"  Leap day customer  ");
  plan.setDayText(365, u"Capodanno \u00E8");                  // è in Windows-1252
  plan.setDayText(100, core::Text(60, u'x'));                // 60 characters into 50
  plan.setDayText(200, u"");
  EXPECT_EQ(save(plan), 1u);

  QByteArray expected = handBuiltRecord(18850, {{0, "Autovettura station wagon"},
                                                {51, "Volkswagen"},
                                                {184, "Bianchi Mario 333 1234567"},
                                                {3193, "Verdi"},
                                                {18799, "Neri Luca"}});
  auto put = [&expected](int offset, const QByteArray& b) {
    expected[offset] = char(b.size());
    expected.replace(offset + 1, b.size(), b);
  };
  put(0, "Autovettura");                           // ".. station wagon" stays past the length
  put(51, "Fiat");
  put(102, "Panda");
  put(153, "AB123CD");
  put(184, "Rossi");
  put(3193, "Leap day customer");                  // 29 February, slot 59
  put(18799, "Capodanno \xE8");                    // 31 December, slot 365
  put(184 + 51 * 100, QByteArray(50, 'x'));
  put(184 + 51 * 200, "");
  const QByteArray stored = bytes();
  ASSERT_EQ(stored.size(), 18850);
  EXPECT_EQ(stored, expected);
  EXPECT_EQ(stored.mid(1 + 11, 14), " station wagon");
  EXPECT_EQ(storedField(stored, 18799), "Capodanno \xE8");
}

TEST_F(PlannerFile, LoadReadsTrimmedTextsAndBlanksAsFree) {
  write(handBuiltRecord(18850, {{184, "  Rossi  "}, {3193, "     "}, {18799, "\tNeri\r"}, {1714, "Gennaio 31"}}));
  BookingPlan plan;
  ASSERT_TRUE(load(plan));
  EXPECT_EQ(ascii(plan.dayText(0)), "Rossi");
  EXPECT_EQ(ascii(plan.dayText(59)), "");
  EXPECT_EQ(ascii(plan.dayText(365)), "Neri");
  EXPECT_EQ(ascii(plan.dayText(30)), "Gennaio 31");
  EXPECT_FALSE(planner::isBooked(plan.dayText(59)));
}

TEST_F(PlannerFile, AFileShorterThanARecordLoadsFreeAndTheSaveWritesOverItsBeginning) {
  const struct {
    const char* name;
    int size;
  } cases[] = {{"empty", 0}, {"one byte", 1}, {"one byte short", 18849}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    write(QByteArray(c.size, '\x07'));
    BookingPlan plan;
    EXPECT_FALSE(load(plan));
    plan.setDayText(0, u"Rossi");
    EXPECT_EQ(save(plan), 1u);
    const QByteArray stored = bytes();
    ASSERT_EQ(stored.size(), 18850);
    EXPECT_EQ(storedField(stored, 184), "Rossi");
  }
}

TEST_F(PlannerFile, OnlyRecordZeroIsReadAndWritten) {
  const QByteArray second = handBuiltRecord(18850, {{184, "secondo record"}});
  write(handBuiltRecord(18850, {{184, "primo"}}) + second + QByteArray("coda", 4));
  BookingPlan plan;
  ASSERT_TRUE(load(plan));
  EXPECT_EQ(ascii(plan.dayText(0)), "primo");
  plan.setDayText(0, u"nuovo");
  save(plan);
  const QByteArray stored = bytes();
  ASSERT_EQ(stored.size(), 2 * 18850 + 4);
  EXPECT_EQ(storedField(stored, 184), "nuovo");
  EXPECT_EQ(stored.mid(18850), second + QByteArray("coda", 4));
}

TEST_F(PlannerFile, AMissingFileIsCreatedEmptyAndAnExistingOneNeverTruncated) {
  {
    BookingPlan plan;
    EXPECT_FALSE(load(plan));
  }
  EXPECT_TRUE(QFile::exists(dir.filePath("plan.pln")));
  EXPECT_EQ(bytes().size(), 0);
  write(QByteArray(100, 'a'));
  BookingPlan plan;
  EXPECT_FALSE(load(plan));
  EXPECT_EQ(bytes(), QByteArray(100, 'a'));
}

}  // namespace
