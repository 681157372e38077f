// The date-range summaries: the menu's checks in their order, and the scan that lists
// and sums the records of the interval, set up once for the trips and once for costs.
#include <gtest/gtest.h>

#include <cmath>

#include <unistd.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/archive.h"
#include "core/summary.h"
#include "trips/trip_record.h"

using core::BoxKind;
using core::SummaryField;
using core::Text;

namespace {

std::string u8(core::TextView t) { return core::toUtf8(t); }

// ---- Checks ----------------------------------------------------------------------

core::SummaryEntries entries(Text startDay, Text startMonth, Text endDay, Text endMonth, Text year = u"2024") {
  return {year, startDay, startMonth, core::trim(year), endDay, endMonth, core::trim(year)};
}

TEST(SummaryChecks, FirstFailureGivesItsMessageBoxAndFocus) {
  const Text kBreak = u"\n\r\n\r";
  const Text kValid = u"Per poter visualizzare il riepilogo è necessario indicare una data valida.";
  const Text kYear = u"Attenzione: indicare l'anno solare utilizzando quattro cifre.";
  const Text kStartDay = u"Attenzione: indicare il giorno di inizio intervallo selezionandolo dall'elenco a cascata.";
  const Text kStartMonth = u"Attenzione: indicare il mese di inizio intervallo selezionandolo dall'elenco a cascata.";
  const Text kEndDay = u"Attenzione: indicare il giorno di fine intervallo selezionandolo dall'elenco a cascata.";
  const Text kEndMonth = u"Attenzione: indicare il mese di fine intervallo selezionandolo dall'elenco a cascata.";
  struct Case {
    const char* name;
    core::SummaryEntries in;
    Text message;
    BoxKind kind;
    SummaryField focus;
    Text startText, endText;
  } cases[] = {
      {"three-digit year", entries(u"05", u"Marzo", u"10", u"Marzo", u"202"), kYear, BoxKind::Warning,
       SummaryField::Year, u"", u""},
      {"year before every other check", entries(u"", u"", u"", u"", u""), kYear, BoxKind::Warning,
       SummaryField::Year, u"", u""},
      {"year with a blank", entries(u"05", u"Marzo", u"10", u"Marzo", u"20 4"), kYear, BoxKind::Warning,
       SummaryField::Year, u"", u""},
      {"year with a separator", entries(u"05", u"Marzo", u"10", u"Marzo", u"..\\x"), kYear, BoxKind::Warning,
       SummaryField::Year, u"", u""},
      {"year of wide digits", entries(u"05", u"Marzo", u"10", u"Marzo", u"\uFF12\uFF10\uFF12\uFF14"), kYear,
       BoxKind::Warning, SummaryField::Year, u"", u""},
      {"start day before the rest", entries(u"", u"", u"", u""), kStartDay, BoxKind::Warning,
       SummaryField::StartDay, u"", u""},
      {"blank start day", entries(u"  ", u"Marzo", u"10", u"Marzo"), kStartDay, BoxKind::Warning,
       SummaryField::StartDay, u"", u""},
      {"start month", entries(u"05", u"", u"", u""), kStartMonth, BoxKind::Warning, SummaryField::StartMonth,
       u"", u""},
      {"end day", entries(u"05", u"Marzo", u"", u""), kEndDay, BoxKind::Warning, SummaryField::EndDay, u"", u""},
      {"end month", entries(u"05", u"Marzo", u"10", u" "), kEndMonth, BoxKind::Warning, SummaryField::EndMonth,
       u"", u""},
      {"31 February at the start", entries(u"31", u"Febbraio", u"10", u"Marzo"),
       u"Attenzione: la data 31/02/2024 di inizio intervallo non esiste." + kBreak + kValid, BoxKind::Plain,
       SummaryField::StartDay, u"31/02/2024", u""},
      {"year 0000 passes the year check, not the date", entries(u"05", u"Marzo", u"10", u"Marzo", u"0000"),
       u"Attenzione: la data 05/03/0000 di inizio intervallo non esiste." + kBreak + kValid, BoxKind::Plain,
       SummaryField::StartDay, u"05/03/0000", u""},
      {"29 February of a common year", entries(u"29", u"Febbraio", u"10", u"Marzo", u"2023"),
       u"Attenzione: la data 29/02/2023 di inizio intervallo non esiste." + kBreak + kValid, BoxKind::Plain,
       SummaryField::StartDay, u"29/02/2023", u""},
      {"a month that is none of the twelve composes nothing", entries(u"05", u"Marzoo", u"10", u"Marzo"),
       u"Attenzione: la data  di inizio intervallo non esiste." + kBreak + kValid, BoxKind::Plain,
       SummaryField::StartDay, u"", u""},
      {"31 April at the end", entries(u"05", u"Marzo", u"31", u"Aprile"),
       u"Attenzione: la data 31/04/2024 di fine intervallo non esiste." + kBreak + kValid, BoxKind::Plain,
       SummaryField::EndDay, u"05/03/2024", u"31/04/2024"},
      {"end before start names the end first", entries(u"10", u"Marzo", u"05", u"Marzo"),
       u"Attenzione: la data di fine intervallo (05/03/2024) non può essere anteriore a quella di inizio "
       u"intervallo (10/03/2024)." + kBreak +
           u"Per poter visualizzare il riepilogo è necessario indicare un intervallo di tempo valido.",
       BoxKind::Plain, SummaryField::Stay, u"10/03/2024", u"05/03/2024"},
      {"a later day of an earlier month is before", entries(u"01", u"Aprile", u"31", u"Marzo"),
       u"Attenzione: la data di fine intervallo (31/03/2024) non può essere anteriore a quella di inizio "
       u"intervallo (01/04/2024)." + kBreak +
           u"Per poter visualizzare il riepilogo è necessario indicare un intervallo di tempo valido.",
       BoxKind::Plain, SummaryField::Stay, u"01/04/2024", u"31/03/2024"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const core::SummaryCheck check = core::checkSummaryEntries(c.in);
    EXPECT_FALSE(check.ok);
    EXPECT_EQ(u8(check.message), u8(c.message));
    EXPECT_EQ(check.kind, c.kind);
    EXPECT_EQ(check.focus, c.focus);
    EXPECT_EQ(u8(check.startText), u8(c.startText));
    EXPECT_EQ(u8(check.endText), u8(c.endText));
  }
}

TEST(SummaryChecks, PassingEntriesGiveTheTwoDates) {
  struct Case {
    const char* name;
    core::SummaryEntries in;
    core::Date start, end;
    Text startText, endText;
  } cases[] = {
      {"an interval in March", entries(u"05", u"Marzo", u"10", u"Marzo"), {5, 3, 2024}, {10, 3, 2024},
       u"05/03/2024", u"10/03/2024"},
      {"the same day", entries(u"05", u"Marzo", u"05", u"Marzo"), {5, 3, 2024}, {5, 3, 2024}, u"05/03/2024",
       u"05/03/2024"},
      {"the whole year, months in any case, texts trimmed",
       entries(u" 01 ", u"GENNAIO", u"31", u" dicembre "), {1, 1, 2024}, {31, 12, 2024}, u"01/01/2024",
       u"31/12/2024"},
      {"29 February of a leap year", entries(u"29", u"Febbraio", u"01", u"Marzo"), {29, 2, 2024}, {1, 3, 2024},
       u"29/02/2024", u"01/03/2024"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const core::SummaryCheck check = core::checkSummaryEntries(c.in);
    ASSERT_TRUE(check.ok) << u8(check.message);
    EXPECT_EQ(check.start, c.start);
    EXPECT_EQ(check.end, c.end);
    EXPECT_EQ(u8(check.startText), u8(c.startText));
    EXPECT_EQ(u8(check.endText), u8(c.endText));
    EXPECT_TRUE(check.message.empty());
  }
  EXPECT_EQ(u8(core::summaryIntervalText(u" 05/03/2024", u"10/03/2024 ")), "Dal   05/03/2024   al   10/03/2024");
}

TEST(SummaryTotals, ShortestFormOrThroughTheAmountNormaliser) {
  struct Case {
    double sum;
    core::TotalForm form;
    const char* want;
  } cases[] = {
      {0, core::TotalForm::Shortest, "0"},       {0, core::TotalForm::Amount, "0,00"},
      {75, core::TotalForm::Shortest, "75"},     {75.5, core::TotalForm::Shortest, "75,5"},
      {-50, core::TotalForm::Shortest, "-50"},   {80, core::TotalForm::Amount, "80,00"},
      {123.5, core::TotalForm::Amount, "123,50"}, {10.125, core::TotalForm::Amount, "10,125"},
      {0.1 + 0.2, core::TotalForm::Amount, "0,30"}, {1.23456, core::TotalForm::Amount, "1,2346"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.want);
    EXPECT_EQ(u8(core::formatTotal(c.sum, c.form)), c.want);
  }
}

// ---- Scan ------------------------------------------------------------------------

class SummaryScan : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string tmpl = (std::filesystem::temp_directory_path() / "velmora-summary-XXXXXX").string();
    ASSERT_NE(::mkdtemp(tmpl.data()), nullptr);
    dir_ = tmpl;
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  std::string write(const std::vector<core::RecordBuffer>& records) const {
    const std::string path = (dir_ / "archive.pro").string();
    std::ofstream out(path, std::ios::binary);
    for (const auto& r : records) out.write(reinterpret_cast<const char*>(r.data()), static_cast<std::streamsize>(r.size()));
    return path;
  }

  std::filesystem::path dir_;
};

core::RecordBuffer trip(Text date, Text plate, Text place, Text litres, Text km, Text cost) {
  core::RecordBuffer r(trips::tripLayout());
  r.set("DataPartenza", date);
  r.set("Targa", plate);
  r.set("Luogo", place);
  r.set("LitriTot", litres);
  r.set("KmPercorsi", km);
  r.set("ImportoTot", cost);
  return r;
}

// The fuel and distance summary: plate and destination filters, the departure date,
// litres and kilometres in shortest form and the cost as an amount.
core::SummaryFields tripSummary() {
  const core::RecordLayout& l = trips::tripLayout();
  core::SummaryFields summary;
  summary.layout = &l;
  summary.filterFields = {l.indexOf("Targa"), l.indexOf("Luogo")};
  summary.dateField = l.indexOf("DataPartenza");
  summary.sums = {{l.indexOf("LitriTot"), core::TotalForm::Shortest},
               {l.indexOf("KmPercorsi"), core::TotalForm::Shortest},
               {l.indexOf("ImportoTot"), core::TotalForm::Amount}};
  summary.line = core::LineFormat({core::line::column({l.indexOf("DataPartenza")}, 10), core::line::literal(u" "),
                                core::line::rest({l.indexOf("Targa")})});
  return summary;
}

TEST_F(SummaryScan, BothEndsIncludedAndFiltersAsTheSearchesMatch) {
  const std::string path = write({
      trip(u"04/03/2024", u"AB123CD", u"Milano", u"10", u"100", u"10,00"),   // the day before the start
      trip(u"05/03/2024", u"AB123CD", u"Roma", u"20", u"150", u"0,10"),      // the start
      trip(u"10/03/2024", u"XY999ZZ", u"Torino", u"30", u"-50", u"0,20"),    // the end
      trip(u"11/03/2024", u"AB123CD", u"Milano", u"10", u"100", u"10,00"),   // the day after the end
      trip(u"06/03/2024", u"ab555ef", u"Milano centro", u"5", u"10", u"12,345"),
      trip(u"07/03/2023", u"AB123CD", u"Milano", u"10", u"100", u"10,00"),   // a year before
  });
  const core::SummaryFields summary = tripSummary();
  const core::Date start{5, 3, 2024}, end{10, 3, 2024};
  struct Case {
    const char* name;
    std::vector<Text> filters;
    std::vector<Text> lines;
    const char *litres, *km, *cost;
  } cases[] = {
      {"no filter", {u"", u""}, {u"05/03/2024 AB123CD", u"10/03/2024 XY999ZZ", u"06/03/2024 ab555ef"}, "55", "110",
       "12,645"},
      {"two letters of the plate in any case", {u"aB", u""}, {u"05/03/2024 AB123CD", u"06/03/2024 ab555ef"}, "25",
       "160", "12,445"},
      {"plate and destination both", {u"AB", u"milano"}, {u"06/03/2024 ab555ef"}, "5", "10", "12,345"},
      {"destination alone", {u"", u"ROMA"}, {u"05/03/2024 AB123CD"}, "20", "150", "0,10"},
      {"a blank destination neither counts nor lets a trip pass", {u"xy", u"  "}, {u"10/03/2024 XY999ZZ"}, "30",
       "-50", "0,20"},
      {"blank filters alone select everything", {u" ", u"   "},
       {u"05/03/2024 AB123CD", u"10/03/2024 XY999ZZ", u"06/03/2024 ab555ef"}, "55", "110", "12,645"},
      {"nothing selected", {u"zz", u"Roma"}, {}, "0", "0", "0,00"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    core::Archive archive(path, trips::TripRecord::kSize);
    const core::SummaryResult result = core::scanSummary(archive, summary, c.filters, start, end);
    EXPECT_EQ(result.lines.toVector(), c.lines);
    ASSERT_EQ(result.sums.size(), 3u);
    EXPECT_EQ(u8(core::formatTotal(result.sums[0], summary.sums[0].form)), c.litres);
    EXPECT_EQ(u8(core::formatTotal(result.sums[1], summary.sums[1].form)), c.km);
    EXPECT_EQ(u8(core::formatTotal(result.sums[2], summary.sums[2].form)), c.cost);
  }
}

TEST_F(SummaryScan, ARecordThatDoesNotConvertIsLeftOutWholeAndTheScanGoesOn) {
  const std::string path = write({
      trip(u"05/03/2024", u"AA000AA", u"Roma", u"20", u"150", u"0,10"),
      trip(u"31/02/2024", u"BB000BB", u"Roma", u"20", u"150", u"5,00"),   // no such date
      trip(u"", u"CC000CC", u"Roma", u"20", u"150", u"5,00"),             // no date
      trip(u"06/03/2024", u"DD000DD", u"Roma", u"", u"150", u"5,00"),     // litres empty
      trip(u"06/03/2024", u"EE000EE", u"Roma", u"20", u"1a", u"5,00"),    // km not a number
      trip(u"06/03/2024", u"FF000FF", u"Roma", u"20", u"150", u"5,,00"),  // cost not a number
      trip(u"07/03/2024", u"GG000GG", u"Roma", u"20", u"150", u"0,20"),
  });
  core::Archive archive(path, trips::TripRecord::kSize);
  const core::SummaryResult result = core::scanSummary(archive, tripSummary(), {u"", u""}, {1, 3, 2024}, {31, 3, 2024});
  EXPECT_EQ(result.lines.toVector(), (std::vector<Text>{u"05/03/2024 AA000AA", u"07/03/2024 GG000GG"}));
  EXPECT_EQ(result.sums, (std::vector<double>{40, 300, 0.1 + 0.2}));
}

TEST_F(SummaryScan, ARecordThatWouldMakeATotalTooLargeIsLeftOutLikeOneThatDoesNotConvert) {
  // Short and long archives alike (a long one is read in parts, the second large
  // record in a later part than the first).
  for (const int count : {4, 30000}) {
    SCOPED_TRACE(count);
    std::vector<core::RecordBuffer> records;
    std::vector<Text> lines;
    std::vector<double> expected{0, 0, 0};
    for (int i = 0; i < count; ++i) {
      const bool huge = i == 0 || i == count - 2;  // the second would make every total infinite
      const Text plate = core::fromUtf8("P" + std::to_string(i));
      const Text number = huge ? Text(u"1e308") : Text(u"1");
      records.push_back(trip(u"05/03/2024", plate, u"Roma", number, number, number));
      if (i == count - 2) continue;
      for (double& e : expected) e += huge ? 1e308 : 1;
      lines.push_back(u"05/03/2024 " + plate);
    }
    core::Archive archive(write(records), trips::TripRecord::kSize);
    const core::SummaryResult result =
        core::scanSummary(archive, tripSummary(), {u"", u""}, {1, 3, 2024}, {31, 3, 2024});
    EXPECT_EQ(result.lines.toVector(), lines);
    EXPECT_EQ(result.sums, expected);
    for (double sum : result.sums) EXPECT_TRUE(std::isfinite(sum));
  }
}

TEST_F(SummaryScan, ALongArchiveGivesTheTotalsOfOnePassInFileOrder) {
  // Read in parts side by side; double sums depend on the order of the additions, so
  // the totals must still be added in file order to the last bit.
  std::vector<core::RecordBuffer> records;
  std::vector<double> expected{0, 0, 0};
  std::vector<Text> lines;
  const char16_t* costs[] = {u"0,10", u"0,20", u"1234,57", u"0,03", u"99999,99", u"0,7"};
  for (int i = 0; i < 45000; ++i) {
    const Text day = i % 4 == 3 ? u"05/04/2024" : u"05/03/2024";  // one in four outside March
    const Text plate = core::fromUtf8("P" + std::to_string(i));
    records.push_back(trip(day, plate, u"Roma", u"1,1", u"3", costs[i % 6]));
    if (i % 4 != 3) {
      expected[0] += 1.1;
      expected[1] += 3;
      expected[2] += *core::parseDecimal(core::TextView(costs[i % 6]));
      lines.push_back(day + u" " + plate);
    }
  }
  const std::string path = write(records);
  core::Archive archive(path, trips::TripRecord::kSize);
  const core::SummaryResult result = core::scanSummary(archive, tripSummary(), {u"", u""}, {1, 3, 2024}, {31, 3, 2024});
  EXPECT_EQ(result.lines.toVector(), lines);
  EXPECT_EQ(result.sums, expected);  // exactly
}

TEST_F(SummaryScan, EmptyArchiveListsNothingAndAnUnreadableOneThrows) {
  const std::string path = write({});
  core::Archive archive(path, trips::TripRecord::kSize);
  const core::SummaryResult result = core::scanSummary(archive, tripSummary(), {u"", u""}, {1, 1, 2024}, {31, 12, 2024});
  EXPECT_TRUE(result.lines.empty());
  EXPECT_EQ(result.sums, (std::vector<double>{0, 0, 0}));
  archive.close();
  EXPECT_THROW(core::scanSummary(archive, tripSummary(), {u"", u""}, {1, 1, 2024}, {31, 12, 2024}), core::ArchiveError);
}

TEST_F(SummaryScan, TheSameScanSetUpForCostsWithOneAmount) {
  // Another archive with other filter fields, another date field and a single sum.
  static constexpr std::array<core::FieldDef, 4> kFields{{{"Targa", 30}, {"Causale", 50}, {"Data", 10}, {"Importo", 15}}};
  static const core::RecordLayout layout(kFields);
  auto cost = [&](Text plate, Text cause, Text date, Text amount) {
    core::RecordBuffer r(layout);
    r.set(0, plate);
    r.set(1, cause);
    r.set(2, date);
    r.set(3, amount);
    return r;
  };
  const std::string path = write({
      cost(u"AB123CD", u"Revisione", u"01/03/2024", u"80"),
      cost(u"AB123CD", u"Revisione freni", u"31/03/2024", u"120,5"),
      cost(u"XY999ZZ", u"Revisione", u"15/03/2024", u"70"),
      cost(u"AB123CD", u"Bollo", u"15/03/2024", u"200"),
      cost(u"AB123CD", u"Revisione", u"01/04/2024", u"80"),
  });
  core::SummaryFields summary;
  summary.layout = &layout;
  summary.filterFields = {0, 1};
  summary.dateField = 2;
  summary.sums = {{3, core::TotalForm::Amount}};
  summary.line = core::LineFormat({core::line::column({1}, 16), core::line::rest({3})});
  core::Archive archive(path, layout.size());
  const core::SummaryResult result = core::scanSummary(archive, summary, {u"AB", u"revisione"}, {1, 3, 2024}, {31, 3, 2024});
  EXPECT_EQ(result.lines.toVector(), (std::vector<Text>{u"Revisione       80", u"Revisione freni 120,5"}));
  ASSERT_EQ(result.sums.size(), 1u);
  EXPECT_EQ(u8(core::formatTotal(result.sums[0], summary.sums[0].form)), "200,50");
}

}  // namespace
