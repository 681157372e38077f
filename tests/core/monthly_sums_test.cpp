// The monthly values of the statistics charts: the month and year read by character
// positions of the date, the sums of an amount (or the counts) in file order, and the
// rounding to whole units after summing.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/ansi.h"
#include "core/archive.h"
#include "core/monthly_sums.h"
#include "core/record.h"

namespace {

constexpr std::array<core::FieldDef, 3> kFields{{{"Targa", 10}, {"Data", 10}, {"Importo", 15}}};
const core::RecordLayout& layout() {
  static const core::RecordLayout l(kFields);
  return l;
}
const core::MonthlyFields kSums{&layout(), 1, 2};
const core::MonthlyFields kCounts{&layout(), 1, std::nullopt};

struct Payment {
  const char16_t* date;
  const char16_t* amount;
};

class MonthlySums : public ::testing::Test {
 protected:
  ~MonthlySums() override { std::remove(path.c_str()); }
  void write(const std::vector<Payment>& payments) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    core::RecordBuffer r(layout());
    for (const Payment& p : payments) {
      r.set(0, u"AB123CD");
      r.set(1, p.date);
      r.set(2, p.amount);
      out.write(reinterpret_cast<const char*>(r.data()), static_cast<std::streamsize>(r.size()));
    }
  }
  core::MonthValues sum(const core::MonthlyFields& fields, core::TextView year) {
    core::Archive archive(path, layout().size());
    core::MonthValues values;
    values.fill(-1);
    core::sumByMonth(archive, fields, year, values);
    return values;
  }
  std::string path = (std::filesystem::temp_directory_path() /
                      ("velmora-monthly-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name())))
                         .string();
};

TEST(MonthInYear, ReadsTheMonthAndTheYearByCharacterPositions) {
  struct Case {
    const char* date;
    int month;
  } cases[] = {
      {"05/03/2024", 3},
      {"05-03-2024", 3},       // any separator
      {"05.12.2024", 12},
      {"  05/01/2024 ", 1},    // trimmed first
      {"05/03/2024xyz", 3},    // only characters 4-5 and 7-10 count
      {"5/3/2024", 0},         // one-digit day and month
      {"05/3/2024", 0},
      {"05/ 3/2024", 0},
      {"05/03/2023", 0},       // another year
      {"05/03/ 2024", 0},
      {"05/03/202", 0},        // the year cut short: "202" after the padding is trimmed
      {"05/13/2024", 0},
      {"05/00/2024", 0},
      {"05/1a/2024", 0},
      {"", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.date);
    EXPECT_EQ(core::monthInYear(c.date, "2024"), c.month);
  }
}

TEST_F(MonthlySums, SumsEachMonthOfTheYearAndSkipsAmountsThatAreNoNumber) {
  write({
      {u"05/03/2024", u"10,40"},
      {u"06/03/2024", u"10,40"},
      {u"10-04-2024", u"2,50"},    // a dash date counts all the same
      {u"01/05/2024", u"-2,70"},
      {u"01/05/2023", u"1000"},    // another year in this year's archive
      {u"02/06/2024", u""},        // no amount: left out, the reading goes on
      {u"03/06/2024", u"abc"},
      {u"04/06/2024", u"1.000,00"},  // no thousands separator in a number
      {u"04/06/2024", u"7"},
      {u"04/06/2023", u"xyz"},     // not read at all
      {u"31/12/2024", u"0,01"},
      {u"5/7/2024", u"99"},        // counts nowhere
  });
  const core::MonthValues values = sum(kSums, u"2024");
  const core::MonthValues want = {0, 0, 10.40 + 10.40, 2.50, -2.70, 7, 0, 0, 0, 0, 0, 0.01};
  EXPECT_EQ(values, want);  // exactly: added in file order

  // The labels then hold each sum, and are brought to whole units after summing.
  struct Case {
    std::u16string label, whole;
  } cases[] = {{u"20,8", u"21"}, {u"2,5", u"3"},   {u"-2,7", u"-2"}, {u"-2,5", u"-2"}, {u"-3,5", u"-3"},
               {u"-0,3", u"0"},  {u"0,01", u"0"},  {u"0", u"0"},     {u"7", u"7"},     {u"abc", u"0"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(core::toUtf8(c.label));
    EXPECT_EQ(core::wholeMonthText(c.label), c.whole);
  }
  EXPECT_EQ(core::wholeMonthText(core::formatGeneral(values[2])), u"21");
}

TEST_F(MonthlySums, CountsRecordsWhateverTheirAmount) {
  write({
      {u"31/12/2024", u""},
      {u"01/01/2025", u"x"},  // left the next year: counts there, not here
      {u"05/03/2024", u"abc"},
      {u"05/03/2024", u"abc"},  // twice on one day counts twice
      {u"", u"1"},
      {u"5/03/2024", u"1"},
  });
  const core::MonthValues want = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 1};
  EXPECT_EQ(sum(kCounts, u"2024"), want);
  EXPECT_EQ(sum(kCounts, u" 2025 "), (core::MonthValues{1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));  // the year trimmed
}

TEST_F(MonthlySums, ALongArchiveReadInPartsSumsExactlyAsOnePassInFileOrder) {
  // Amounts that do not add up exactly in binary: any other order of adding shows.
  const char16_t* amounts[] = {u"0,1", u"1234,567", u"0,7", u"-3,3", u"99999,99", u"0,0001", u"abc"};
  const char16_t* dates[] = {u"01/01/2024", u"15/02/2024", u"28/02/2024", u"01/07/2024", u"31/12/2024", u"01/01/2023"};
  std::vector<Payment> payments;
  for (std::size_t i = 0; i < 60000; ++i) payments.push_back({dates[i % 6], amounts[i % 7]});
  write(payments);

  core::MonthValues onePass{}, counts{};
  for (const Payment& p : payments) {
    const int month = core::monthInYear(core::toAnsi(p.date), "2024");
    const auto amount = core::parseDecimal(core::TextView(p.amount));
    if (month == 0) continue;
    counts[static_cast<std::size_t>(month - 1)] += 1;
    if (amount) onePass[static_cast<std::size_t>(month - 1)] += *amount;
  }
  EXPECT_EQ(sum(kSums, u"2024"), onePass);
  EXPECT_EQ(sum(kCounts, u"2024"), counts);
}

TEST_F(MonthlySums, AnEmptyArchiveGivesZerosAndAnUnreadableOneThrows) {
  write({});
  EXPECT_EQ(sum(kSums, u"2024"), core::MonthValues{});
  core::Archive archive(path, layout().size());
  archive.close();
  core::MonthValues values;
  EXPECT_THROW(core::sumByMonth(archive, kSums, u"2024", values), core::ArchiveError);
  core::Archive other(path, layout().size() + 1);
  EXPECT_THROW(core::sumByMonth(other, kSums, u"2024", values), core::ArchiveError);
}

}  // namespace
