// The imminent rule of the maintenance schedule: D - W <= today <= D in whole days.
#include <gtest/gtest.h>

#include <unistd.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <string>

#include "core/archive.h"
#include "core/due_dates.h"
#include "core/record.h"

using core::Date;
using core::Imminence;
using core::Text;

namespace {

TEST(Imminent, WithinTheWarningDaysUpToTheDeadlineItself) {
  const Date today{10, 3, 2024};
  struct Case {
    const char* name;
    Text date, warning;
    Imminence want;
  } cases[] = {
      {"warning 0 on its own day", u"10/03/2024", u"0", Imminence::Yes},
      {"warning 0 the day before", u"11/03/2024", u"0", Imminence::No},
      {"yesterday, whatever the warning", u"09/03/2024", u"999", Imminence::No},
      {"today, whatever the warning", u"10/03/2024", u"999", Imminence::Yes},
      {"in 10 days with 10", u"20/03/2024", u"10", Imminence::Yes},
      {"in 10 days with 9", u"20/03/2024", u"9", Imminence::No},
      {"in 10 days with 11", u"20/03/2024", u"11", Imminence::Yes},
      {"texts are trimmed", u" 20/03/2024 ", u" 10 ", Imminence::Yes},
      {"a sign is allowed", u"12/03/2024", u"+2", Imminence::Yes},
      {"negative warning never reaches today", u"10/03/2024", u"-1", Imminence::No},
      {"last year's date", u"10/03/2023", u"400", Imminence::No},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(core::checkImminent(c.date, c.warning, today), c.want);
  }
}

TEST(Imminent, WholeDaysAcrossMonthsLeapDaysAndYears) {
  struct Case {
    const char* name;
    Text date, warning;
    Date today;
    Imminence want;
  } cases[] = {
      {"1 March minus 2 is 28 February in a leap year", u"01/03/2024", u"2", {28, 2, 2024}, Imminence::Yes},
      {"1 March minus 1 is 29 February in a leap year", u"01/03/2024", u"1", {28, 2, 2024}, Imminence::No},
      {"1 March minus 1 is 28 February in a common year", u"01/03/2023", u"1", {28, 2, 2023}, Imminence::Yes},
      // The rule looks across the year's end; the schedule only ever reads the current
      // year's file, which is what keeps a January deadline out of December's alert.
      {"January deadline in December within its window", u"10/01/2025", u"30", {20, 12, 2024}, Imminence::Yes},
      {"January deadline in December outside its window", u"10/01/2025", u"5", {20, 12, 2024}, Imminence::No},
      {"2 January with 5 on 30 December", u"02/01/2025", u"5", {30, 12, 2024}, Imminence::Yes},
      {"31 December seen on 1 January after", u"31/12/2024", u"5", {1, 1, 2025}, Imminence::No},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(core::checkImminent(c.date, c.warning, c.today), c.want);
  }
}

TEST(Imminent, CannotSayWhenTheDateOrTheWarningDaysDoNotConvert) {
  const Date today{10, 3, 2024};
  struct Case {
    const char* name;
    Text date, warning;
  } cases[] = {
      {"empty date", u"", u"10"},
      {"impossible date", u"31/02/2024", u"10"},
      {"not a date", u"domani", u"10"},
      {"other separator", u"10-03-2024", u"10"},
      {"empty warning", u"10/03/2024", u""},
      {"blank warning", u"10/03/2024", u"   "},
      {"letters in the warning", u"10/03/2024", u"1a"},
      {"decimal warning", u"10/03/2024", u"1,5"},
      {"sign alone", u"10/03/2024", u"-"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(core::checkImminent(c.date, c.warning, today), Imminence::CannotSay);
  }
}

// The check of a whole archive, on a small layout of its own: a name, the date, the
// warning days.
constexpr std::array<core::FieldDef, 3> kDeadline{{{"Nome", 4}, {"Data", 10}, {"Avviso", 3}}};

class ImminentScan : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string tmpl = (std::filesystem::temp_directory_path() / "velmora-imminent-XXXXXX").string();
    ASSERT_NE(::mkdtemp(tmpl.data()), nullptr);
    dir_ = tmpl;
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  // Writes the deadlines (date, warning days) and scans them on 10/03/2024.
  core::ImminentScan scan(std::initializer_list<std::pair<Text, Text>> deadlines) {
    const std::string path = (dir_ / "2024.sca").string();
    std::filesystem::remove(path);
    core::Archive archive(path, layout_.size());
    for (const auto& [date, warning] : deadlines) {
      core::RecordBuffer r(layout_);
      r.set("Nome", u"x");
      r.set("Data", date);
      r.set("Avviso", warning);
      archive.write(r);
    }
    return core::scanImminent(archive, layout_, 1, 2, Date{10, 3, 2024});
  }

  std::filesystem::path dir_;
  core::RecordLayout layout_{kDeadline};
};

TEST_F(ImminentScan, ADeadlineThatDoesNotConvertIsSkippedAndTheScanGoesOn) {
  struct Case {
    const char* name;
    std::initializer_list<std::pair<Text, Text>> deadlines;
    bool found;
  } cases[] = {
      {"no deadline", {}, false},
      {"none imminent", {{u"09/03/2024", u"5"}, {u"20/03/2024", u"9"}}, false},
      {"the last one imminent", {{u"09/03/2024", u"5"}, {u"20/03/2024", u"10"}}, true},
      {"a bad date before an imminent one", {{u"31/02/2024", u"5"}, {u"10/03/2024", u"0"}}, true},
      {"bad warning days before an imminent one", {{u"12/03/2024", u"x"}, {u"12/03/2024", u"2"}}, true},
      {"only bad records", {{u"domani", u"5"}, {u"12/03/2024", u""}}, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const core::ImminentScan got = scan(c.deadlines);
    EXPECT_EQ(got.found, c.found);
    EXPECT_TRUE(got.complete);
  }
}

TEST_F(ImminentScan, AFailedReadEndsTheScanWithWhatWasRead) {
  const std::string path = (dir_ / "2024.sca").string();
  core::Archive archive(path, layout_.size());
  core::RecordBuffer r(layout_);
  r.set("Data", u"09/03/2024");
  r.set("Avviso", u"1");
  archive.write(r);
  archive.close();  // reading a closed archive fails
  const core::ImminentScan got = core::scanImminent(archive, layout_, 1, 2, Date{10, 3, 2024});
  EXPECT_FALSE(got.found);
  EXPECT_FALSE(got.complete);
}

}  // namespace
