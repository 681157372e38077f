// Filters, list lines, order, list find and due dates of the search and list windows.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "core/archive.h"
#include "core/due_dates.h"
#include "core/list_find.h"
#include "core/record.h"
#include "core/search_filter.h"
#include "core/text.h"

namespace {

using core::Text;

constexpr std::array<core::FieldDef, 4> kFields{{{"Tipo", 10}, {"Marca", 8}, {"Modello", 8}, {"Note", 12}}};
const core::RecordLayout& layout() {
  static const core::RecordLayout l(kFields);
  return l;
}

core::RecordBuffer record(Text tipo, Text marca, Text modello, Text note) {
  core::RecordBuffer r(layout());
  r.set(0, tipo);
  r.set(1, marca);
  r.set(2, modello);
  r.set(3, note);
  return r;
}

// A record whose stored bytes are given as they are (untrimmed, any byte).
core::RecordBuffer rawNote(std::string bytes) {
  core::RecordBuffer r(layout());
  std::uint8_t* p = r.data() + layout().offset(3);
  p[0] = static_cast<std::uint8_t>(bytes.size());
  std::copy(bytes.begin(), bytes.end(), p + 1);
  return r;
}

TEST(SearchFilter, MatchingFoldsOnlyAToZAndTakesTheFilterAsTyped) {
  struct Case {
    const char* name;
    Text filter, field;
    bool matches;
  } cases[] = {
      {"upper filter, mixed field", u"FIAT", u"Fiat Auto", true},
      {"lower filter, mixed field", u"punto", u"Grande Punto", true},
      {"substring inside a word", u"rand", u"Grande Punto", true},
      {"absent", u"Panda", u"Grande Punto", false},
      {"accented lower does not find accented upper", u"\u00e8", u"\u00c8 nuova", false},
      {"accented same case", u"\u00e8", u"\u00e8 nuova", true},
      {"trailing blank must be found", u"Punto ", u"Grande Punto", false},
      {"leading blank found with it", u" Punto", u"Grande Punto", true},
      {"empty never matches", u"", u"anything", false},
      {"only blanks never matches", u"  ", u"two  spaces", false},
      {"blank and a control character never match", u" \t", u"a \tb", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(core::filterMatches(c.filter, c.field), c.matches);
    // The byte-level matcher of the scan agrees with the text one.
    core::RecordFilter f({{3, c.filter}});
    EXPECT_EQ(f.matches(record(u"", u"", u"", c.field)) == 1, c.matches);
  }
}

TEST(SearchFilter, CountsOnlyFiltersWithText) {
  EXPECT_EQ(core::countFilters({}), 0);
  EXPECT_EQ(core::countFilters({u"", u"  ", u"\t"}), 0);
  EXPECT_EQ(core::countFilters({u"a", u"", u" b ", u"  "}), 2);
  EXPECT_EQ(core::RecordFilter({{0, u"a"}, {1, u"  "}, {2, u""}}).count(), 1);
}

TEST(SearchFilter, ARecordQualifiesWhenEveryCountedFilterMatches) {
  const auto fiat = record(u"Autovettura", u"Fiat", u"Punto", u"two  spaces");
  const auto van = record(u"Furgone", u"Iveco", u"Daily", u"two  spaces");

  // No filter, or blanks only: every record.
  EXPECT_TRUE(core::RecordFilter({}).qualifies(van));
  EXPECT_TRUE(core::RecordFilter({{0, u"  "}, {3, u" "}}).qualifies(van));

  core::RecordFilter both({{1, u"FIAT"}, {2, u"punto"}});
  EXPECT_TRUE(both.qualifies(fiat));
  EXPECT_FALSE(both.qualifies(van));

  // A filter of blanks next to a real one neither widens nor narrows the search:
  // the van's notes hold two spaces, yet it lacks "Auto" in its type.
  core::RecordFilter typeAndBlankNotes({{0, u"Auto"}, {3, u"  "}});
  EXPECT_EQ(typeAndBlankNotes.count(), 1);
  EXPECT_TRUE(typeAndBlankNotes.qualifies(fiat));
  EXPECT_FALSE(typeAndBlankNotes.qualifies(van));
}

TEST(SearchFilter, MatchesStoredBytesAsTheTrimmedWindows1252Text) {
  // Stored with blanks and a control character around it: the field reads "Zoë".
  const auto r = rawNote(std::string("\x01 Zo\xEB \x09", 7));
  EXPECT_EQ(core::RecordFilter({{3, u"zo\u00eb"}}).matches(r), 1);
  EXPECT_EQ(core::RecordFilter({{3, u"\u00eb"}}).matches(r), 1);
  EXPECT_EQ(core::RecordFilter({{3, u"\u00eb "}}).matches(r), 0);  // the stored blank is trimmed away
  // A character the code page lacks can never be stored: counted, never matched.
  core::RecordFilter missing({{3, u"Zo\u0142"}});
  EXPECT_EQ(missing.count(), 1);
  EXPECT_FALSE(missing.qualifies(r));
  // A length byte beyond the width reads the width only.
  core::RecordBuffer corrupt(layout());
  corrupt.data()[layout().offset(3)] = 200;
  EXPECT_EQ(core::RecordFilter({{3, u"x"}}).matches(corrupt), 0);
}

TEST(ListLine, ColumnsArePaddedOrCutAndTheLastIsLeftAsItIs) {
  using namespace core::line;
  const core::LineFormat format({column({0}, 6), literal(u"  "), column({1, 2}, 12), literal(u" | "), rest({3})});
  struct Case {
    const char* name;
    core::RecordBuffer record;
    Text line;
  } cases[] = {
      {"padded", record(u"Auto", u"Fiat", u"Punto", u" note "), u"Auto    Fiat Punto   | note"},
      // Too long: cut to the width; the last column is never cut.
      {"cut", record(u"Autovettura", u"Mercedes", u"Sprinter", u"a long note!"), u"Autove  Mercedes Spr | a long note!"},
      // An empty make still leaves the joining blank.
      {"empty make", record(u"", u"", u"Punto", u""), u"        " u" Punto      " u" | "},
      {"every field full, Windows-1252 beyond ASCII",
       record(u"\u20ac\u00e8\u201cquote\u201d", u"12345678", u"abcdefgh", u"\u00e0\u00e8\u00ec\u00f2\u00f9\u20ac12345\u2122"),
       u"\u20ac\u00e8\u201cquo  12345678 abc | \u00e0\u00e8\u00ec\u00f2\u00f9\u20ac12345\u2122"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(format.build(c.record), c.line);
    // A scan places the line it builds in its list: the same text.
    core::LineList list;
    list.add(format, c.record);
    list.add(format, c.record);
    EXPECT_EQ(list.toVector(), (std::vector<Text>{c.line, c.line}));
  }
  EXPECT_EQ(core::padColumn(u"abc", 5), u"abc  ");
  EXPECT_EQ(core::padColumn(u"abcdef", 3), u"abc");
  EXPECT_EQ(core::joinFields(record(u"", u" Fiat ", u"Uno", u""), {1, 2}), u"Fiat Uno");
}

TEST(ListOrder, FoldsAToZAndKeepsEqualLinesInFileOrder) {
  std::vector<Text> lines{u"b", u"_x", u"Apple", u"apple", u"APPLE", u"\u00c0", u"a", u"B2"};
  core::sortLines(lines);
  // "_" sorts after the letters, "À" after everything ASCII; equal texts keep their order.
  EXPECT_EQ(lines, (std::vector<Text>{u"a", u"Apple", u"apple", u"APPLE", u"b", u"B2", u"_x", u"\u00c0"}));
}

TEST(ListOrder, TheListOrderIsTheFoldedComparison) {
  // Lines with long common beginnings, blanks, accented and non-Latin characters.
  std::vector<Text> lines;
  const Text pieces[] = {u"a", u"A", u"b", u"_", u" ", u"\u00e0", u"\u00c0", u"z", u"Z", u"\u20ac", u"\u4e2d", u"["};
  for (std::size_t i = 0; i < 400; ++i)
    lines.push_back(u"Autovettura  Fiat " + pieces[i % 12] + pieces[(i / 12) % 12] + (i % 7 ? u"" : u" "));
  std::vector<Text> expected = lines;
  std::stable_sort(expected.begin(), expected.end(), [](const Text& a, const Text& b) { return core::lessFolded(a, b); });

  core::LineList list;
  for (const Text& l : lines) list.add(l);
  std::vector<Text> viaList;
  for (std::size_t i : list.sortedOrder()) viaList.emplace_back(list[i]);
  EXPECT_EQ(viaList, expected);
  core::sortLines(lines);
  EXPECT_EQ(lines, expected);
}

TEST(ListOrder, ManyLinesWithSharedBeginningsSortAsTheFoldedComparison) {
  // Thousands of lines drawn from a few columns, so that many share long beginnings,
  // many are equal or equal but for letter case, some end where others go on (with
  // U+0000 after the shared part) and a few are long.
  std::mt19937 random(7);
  auto pick = [&](std::initializer_list<const char16_t*> from) {
    return Text(from.begin()[random() % from.size()]);
  };
  struct Case {
    const char* name;
    std::size_t lines;
    Text prefix;
  } cases[] = {{"short lines", 3000, u""},
               {"a long shared beginning", 3000, Text(150, u'x')},
               {"enough lines to be sorted in parts side by side", 40000, u""}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<Text> lines;
    for (std::size_t i = 0; i < c.lines; ++i) {
      Text line = c.prefix + pick({u"Autovettura ", u"autovettura ", u"Autocarro   ", u"Auto", u""});
      line += pick({u"Fiat Punto", u"FIAT punto", u"Fiat", u"Fiat\u0000", u"Iveco Daily", u"_", u"\u00c8lite"});
      if (random() % 3) line += u"  Targa: " + Text(1, static_cast<char16_t>(u'A' + random() % 3));
      if (random() % 50 == 0) line += Text(300 + random() % 50, u'z');
      lines.push_back(line);
    }
    std::vector<Text> expected = lines;
    std::stable_sort(expected.begin(), expected.end(), [](const Text& a, const Text& b) { return core::lessFolded(a, b); });
    core::LineList list;
    for (const Text& l : lines) list.add(l);
    const core::LargeVector<std::size_t> order = list.sortedOrder();
    ASSERT_EQ(order.size(), lines.size());
    std::vector<Text> viaList;
    for (std::size_t i : order) viaList.emplace_back(list[i]);
    EXPECT_EQ(viaList, expected);
    // Equal lines keep their file order: the indexes of equal neighbours rise.
    for (std::size_t i = 1; i < order.size(); ++i)
      if (lines[order[i]] == lines[order[i - 1]]) {
        EXPECT_LT(order[i - 1], order[i]);
      }
  }
}

TEST(ListOrder, LinesOfAFormatKeptFoldedReadAndSortAsTheirTexts) {
  // A list keeps the lines of a format by their columns' texts only; they must read as
  // their whole texts and sort as those do: columns cut at their width (ending in a
  // blank), filling it exactly, empty, joined with an empty field, holding control
  // characters, blanks and the byte kept between columns, equal lines in file order.
  using namespace core::line;
  auto raw = [](core::RecordBuffer& r, std::size_t field, const std::string& bytes) {
    std::uint8_t* p = r.data() + layout().offset(field);
    p[0] = static_cast<std::uint8_t>(bytes.size());
    std::copy(bytes.begin(), bytes.end(), p + 1);
  };
  const std::string values[] = {"",       "A",        "a",      "AB",       "AB C",       "AB\x05C", "ABC",
                                "ABCDEF", "ABCDEFGH", "AB CDEF", "Fiat",    "fiat",       "\xE8lite", "_",
                                "Z",      "A\x1F",    "A\x00B", "A!",       "A  B",       "\x80uro"};
  const core::LineFormat formats[] = {
      core::LineFormat({column({0}, 4), literal(u"  "), column({1, 2}, 6), literal(u" | "), rest({3})}),
      core::LineFormat({literal(u"Tipo: "), column({0}, 3), column({1}, 5), literal(u" fine")}),
  };
  std::mt19937 random(11);
  for (std::size_t f = 0; f < std::size(formats); ++f) {
    SCOPED_TRACE(f);
    const core::LineFormat& format = formats[f];
    // With the byte kept between columns in a field, such a line is kept whole.
    for (const auto& [n, withFoldByte] : {std::pair{std::size_t{2000}, false}, std::pair{std::size_t{30000}, false},
                                          std::pair{std::size_t{3000}, true}}) {
      SCOPED_TRACE(n);
      core::LineList list;
      std::vector<Text> texts;
      for (std::size_t i = 0; i < n; ++i) {
        core::RecordBuffer r(layout());
        for (std::size_t field = 0; field < 4; ++field) {
          std::string v = values[random() % std::size(values)];
          if (!withFoldByte && v.find('\0') != std::string::npos) v = "B";
          raw(r, field, v);
        }
        list.add(format, r);
        texts.push_back(format.build(r));
      }
      ASSERT_EQ(list.toVector(), texts);
      std::vector<std::size_t> expected(n);
      for (std::size_t i = 0; i < n; ++i) expected[i] = i;
      std::stable_sort(expected.begin(), expected.end(),
                       [&](std::size_t a, std::size_t b) { return core::lessFolded(texts[a], texts[b]); });
      const core::LargeVector<std::size_t> order = list.sortedOrder();
      ASSERT_EQ(std::vector<std::size_t>(order.begin(), order.end()), expected);
      list.sort();
      for (std::size_t i = 0; i < n; ++i) ASSERT_EQ(list[i], texts[expected[i]]) << i;
    }
  }
}

TEST(LineList, KeepsEveryLineWholeAcrossItsBlocksAndNeverMovesOne) {
  // Enough text for several blocks, with one line longer than a block and an empty one.
  core::LineList list;
  std::vector<Text> lines;
  const char* first = nullptr;
  // Where a line's bytes lie.
  auto bytesOf = [](const core::LineList& l, std::size_t i) {
    std::string_view b;
    EXPECT_TRUE(l.bytes(i, b));
    return b.data();
  };
  for (std::size_t i = 0; i < 5000; ++i) {
    Text line = i == 1234 ? Text(300000, u'L') : Text(150, static_cast<char16_t>(u'a' + i % 26));
    line = i == 77 ? Text() : line + core::fromUtf8(std::to_string(i));
    lines.push_back(line);
    list.add(line);
    if (i == 0) first = bytesOf(list, 0);
  }
  ASSERT_EQ(list.size(), lines.size());
  EXPECT_EQ(list.toVector(), lines);
  // Taking more lines never copied those already taken (no moment with two copies).
  EXPECT_EQ(bytesOf(list, 0), first);
  // A copy holds the same lines and goes its own way.
  core::LineList copy = list;
  copy.add(u"only in the copy");
  EXPECT_EQ(copy.size(), lines.size() + 1);
  EXPECT_EQ(copy[1234], lines[1234]);
  EXPECT_EQ(list.toVector(), lines);
  list.clear();
  EXPECT_TRUE(list.empty());
  list.add(u"again");
  EXPECT_EQ(list.toVector(), std::vector<Text>{u"again"});
}

TEST(ListFind, NewTextFromTheTopSameTextAfterTheSelection) {
  const std::vector<Text> lines{u"Fiat Punto", u"Iveco Daily", u"fiat panda", u"Opel Astra"};
  auto at = [&](int i) -> core::TextView { return lines[static_cast<std::size_t>(i)]; };
  const int n = static_cast<int>(lines.size());
  Text last;

  // A new text starts at the first line, which is tested too.
  EXPECT_EQ(core::listFindNext(n, at, 2, u"FIAT", last), 0);
  EXPECT_EQ(last, u"fiat");
  // The same text in another case continues after the selected line...
  EXPECT_EQ(core::listFindNext(n, at, 0, u"Fiat", last), 2);
  // ... and wraps once round the list.
  EXPECT_EQ(core::listFindNext(n, at, 2, u"fiat", last), 0);
  // The only match stays selected.
  EXPECT_EQ(core::listFindNext(n, at, 3, u"astra", last), 3);
  EXPECT_EQ(core::listFindNext(n, at, 3, u"astra", last), 3);
  // Nothing found: -1, the text is still remembered.
  EXPECT_EQ(core::listFindNext(n, at, 1, u"Bmw", last), -1);
  EXPECT_EQ(last, u"bmw");
  // Taken as typed: a trailing blank is part of the text.
  EXPECT_EQ(core::listFindNext(n, at, 0, u"Punto ", last), -1);
  // An empty text never finds anything.
  EXPECT_EQ(core::listFindNext(n, at, 0, u"", last), -1);
  EXPECT_EQ(core::listFindNext(n, at, 0, u"", last), -1);
  // A single line.
  Text fresh;
  EXPECT_EQ(core::listFindNext(1, at, 0, u"punto", fresh), 0);
  EXPECT_EQ(core::listFindNext(1, at, 0, u"punto", fresh), 0);
}

TEST(DueDates, PassedOrWithinSevenDaysAreDue) {
  const core::Date today{10, 3, 2024};
  struct Case {
    Text date;
    bool due;
  } cases[] = {
      {u"10/03/2024", true},   {u"09/03/2024", true},  {u"17/03/2024", true}, {u"18/03/2024", false},
      {u"10/03/2023", true},   {u"01/01/2030", false}, {u"", false},          {u"   ", false},
      {u" 11/03/2024 ", true}, {u"31/02/2024", false}, {u"abc", false},       {u"1/3/2024", true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(core::toUtf8(c.date));
    EXPECT_EQ(core::isDueWithinWeek(c.date, today), c.due);
  }
  // Across a year's end.
  EXPECT_TRUE(core::isDueWithinWeek(u"03/01/2025", core::Date{27, 12, 2024}));
  EXPECT_FALSE(core::isDueWithinWeek(u"04/01/2025", core::Date{27, 12, 2024}));
  EXPECT_TRUE(core::today().valid());
}

class ScanTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() /
           ("velmora-scan-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
    path_ = (dir_ / "archive.pro").string();
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  void write(const std::vector<core::RecordBuffer>& records, std::string trailing = {}) {
    std::ofstream out(path_, std::ios::binary);
    for (const auto& r : records) out.write(reinterpret_cast<const char*>(r.data()), static_cast<std::streamsize>(r.size()));
    out << trailing;
  }

  std::filesystem::path dir_;
  std::string path_;
};

// A list's choice read from the record's note: "take", "stop", anything else skips.
core::Verdict noteVerdict(const core::RecordBuffer& r) {
  const Text note = r.get(3);
  return note == u"take" ? core::Verdict::Take : note == u"stop" ? core::Verdict::Stop : core::Verdict::Skip;
}

TEST_F(ScanTest, ListsWhatIsTakenAndStopsWhereTold) {
  write({record(u"a", u"", u"", u"take"), record(u"b", u"", u"", u"skip"), record(u"c", u"", u"", u"stop"),
         record(u"d", u"", u"", u"take")},
        "partial");
  const core::LineFormat format({core::line::rest({0})});
  core::Archive archive(path_, layout().size());
  core::LineList taken;
  core::scanLines(
      archive, layout(), format,
      noteVerdict,
      taken);
  auto lines = taken.toVector();
  EXPECT_EQ(lines, (std::vector<Text>{u"a"}));

  core::Archive again(path_, layout().size());
  lines = core::searchLines(again, layout(), format, core::RecordFilter({})).toVector();
  EXPECT_EQ(lines, (std::vector<Text>{u"a", u"b", u"c", u"d"}));  // the partial record is no record
}

TEST_F(ScanTest, ALongScanKeepsFileOrderAndStopsAtTheFirstStop) {
  // Long enough to be read in parts side by side: the lines are those one pass in file
  // order takes, and a stop late in the file drops every record after it, whichever
  // part read them.
  std::vector<core::RecordBuffer> records;
  for (int i = 0; i < 50000; ++i) {
    const Text note = i == 41234 ? u"stop" : i % 5 == 0 ? u"take" : u"skip";
    records.push_back(record(core::fromUtf8(std::to_string(i)), u"", u"", note));
  }
  records.push_back(record(u"after", u"", u"", u"stop"));
  write(records);
  const core::LineFormat format({core::line::rest({0})});
  core::Archive archive(path_, layout().size());
  core::LineList taken;
  taken.add(u"before");  // lines already in the list stay first
  core::scanLines(
      archive, layout(), format,
      noteVerdict,
      taken);
  std::vector<Text> expected{u"before"};
  for (int i = 0; i < 41234; i += 5) expected.push_back(core::fromUtf8(std::to_string(i)));
  EXPECT_EQ(taken.toVector(), expected);
}

TEST_F(ScanTest, ASearchReadsEveryFieldItsLineAndItsFiltersNeed) {
  // The scan copies out of the file only the fields the line and the filters name
  // (a computed column may read any): each case must see the fields it reads.
  write({record(u"Auto", u"Fiat", u"Punto", u"uno"), record(u"Moto", u"Ducati", u"Monster", u"due"),
         record(u"Auto", u"Opel", u"Astra", u"tre")});
  using namespace core::line;
  const core::LineFormat plain({column({1}, 7), rest({2})});
  const core::LineFormat withComputed(
      {column({1}, 7), computed([](const core::RecordBuffer& r) { return r.get(3) + u"/" + r.get(0); }, 0)});
  struct Case {
    const char* name;
    const core::LineFormat& format;
    std::vector<core::RecordFilter::Term> terms;
    std::vector<Text> lines;
  } cases[] = {
      {"no filter", plain, {}, {u"Fiat   Punto", u"Ducati Monster", u"Opel   Astra"}},
      {"a filter on a field the line leaves out", plain, {{0, u"aut"}}, {u"Fiat   Punto", u"Opel   Astra"}},
      {"two filters, one of them on the line", plain, {{3, u"TRE"}, {2, u"astra"}}, {u"Opel   Astra"}},
      {"a computed column", withComputed, {{0, u"moto"}}, {u"Ducati due/Moto"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    core::Archive archive(path_, layout().size());
    EXPECT_EQ(core::searchLines(archive, layout(), c.format, core::RecordFilter(c.terms)).toVector(), c.lines);
  }
}

TEST_F(ScanTest, ALongSearchTakesEveryRecordOnceInFileOrder) {
  // Long enough to be read in parts side by side, whose lines are joined in file order.
  std::vector<core::RecordBuffer> records;
  std::vector<Text> kept;
  for (int i = 0; i < 40000; ++i) {
    const Text number = core::fromUtf8(std::to_string(i));
    const bool keep = i % 7 != 3;
    records.push_back(record(number, u"", u"", keep ? u"tenere" : u"no"));
    if (keep) kept.push_back(number);
  }
  write(records);
  const core::LineFormat format({core::line::rest({0})});
  core::Archive archive(path_, layout().size());
  EXPECT_EQ(core::searchLines(archive, layout(), format, core::RecordFilter({{3, u"TENERE"}})).toVector(), kept);
  core::LineList all = core::searchLines(archive, layout(), format, core::RecordFilter({}));
  ASSERT_EQ(all.size(), records.size());
  EXPECT_EQ(all[0], u"0");
  EXPECT_EQ(all[39999], u"39999");
  // The joined list takes more lines like any other.
  all.add(u"more");
  EXPECT_EQ(all[40000], u"more");
}

TEST_F(ScanTest, EveryRecordWithTheChosenLineIsFoundInFileOrder) {
  write({record(u"Fiat", u"", u"", u"1"), record(u"Iveco", u"", u"", u"2"), record(u"Fiat", u"", u"", u"3")});
  const core::LineFormat format({core::line::column({0}, 8), core::line::literal(u"|")});
  core::Archive archive(path_, layout().size());
  std::vector<std::pair<Text, std::size_t>> found;
  core::findEqualLines(archive, layout(), format, u"  Fiat    |  ",
                       [&](const core::RecordBuffer& r, std::size_t n) { found.emplace_back(r.get(3), n); });
  EXPECT_EQ(found, (std::vector<std::pair<Text, std::size_t>>{{u"1", 1}, {u"3", 3}}));
  // The comparison is exact apart from the trimming: letter case counts.
  found.clear();
  core::findEqualLines(archive, layout(), format, u"FIAT    |",
                       [&](const core::RecordBuffer& r, std::size_t n) { found.emplace_back(r.get(3), n); });
  EXPECT_TRUE(found.empty());
}

}  // namespace
