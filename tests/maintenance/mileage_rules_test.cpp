// What the mileage schedule computes and selects: "Calcola", "Controlla", the two
// list lines and the three lists' choices.
#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <string>

#include "core/text.h"
#include "maintenance/mileage_record.h"
#include "maintenance/mileage_rules.h"

using core::Text;
using maintenance::mileageLayout;

namespace {

std::string u8(core::TextView t) { return core::toUtf8(t); }

TEST(MileageRules, CalcolaAddsTheIntervalToTheInitialReading) {
  struct Case {
    Text kmRil, ogni;
    bool ok;
    Text wantKmRil, wantOgni, wantProssima;
  } cases[] = {
      {u"400", u"150", true, u"400", u"150", u"550"},
      {u"400", u"", true, u"400", u"0", u"400"},      // an empty interval becomes "0"
      {u"", u"", true, u"0", u"0", u"0"},
      {u"  ", u"200", true, u"0", u"200", u"200"},
      {u" 400 ", u"150", true, u" 400 ", u"150", u"550"},  // only an empty text is rewritten
      {u"12,5", u"1", true, u"12,5", u"1", u"13,5"},
      {u"9999999999", u"9999999999", true, u"9999999999", u"9999999999", u"19999999998"},
      {u"999999999999999", u"1", true, u"999999999999999", u"1", u"1E15"},
      {u"abc", u"150", false, u"0", u"0", u"0"},
      {u"400", u"1.5", false, u"0", u"0", u"0"},
      {u",", u"1", false, u"0", u"0", u"0"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(u8(c.kmRil) + " + " + u8(c.ogni));
    const maintenance::DueReading due = maintenance::computeDueReading(c.kmRil, c.ogni);
    EXPECT_EQ(due.ok, c.ok);
    EXPECT_EQ(u8(due.kmRil), u8(c.wantKmRil));
    EXPECT_EQ(u8(due.ogni), u8(c.wantOgni));
    EXPECT_EQ(u8(due.prossima), u8(c.wantProssima));
  }
}

TEST(MileageRules, ControllaExpiresOnlyBeyondTheDueReading) {
  struct Case {
    Text prossima, kmAttuali;
    bool ok;
    Text wantProssima, wantKmAttuali;
    std::optional<Text> stato;
  } cases[] = {
      {u"550", u"550", true, u"550", u"550", u"VALIDA"},  // equal is still valid
      {u"550", u"551", true, u"550", u"551", u"SCADUTA"},
      {u"550", u"549", true, u"550", u"549", u"VALIDA"},
      {u"550", u"550,1", true, u"550", u"550,1", u"SCADUTA"},
      {u"550", u"", true, u"550", u"0", u"VALIDA"},
      {u"", u"1", true, u"0", u"1", u"SCADUTA"},
      {u"1E15", u"999999999999999", true, u"1E15", u"999999999999999", u"VALIDA"},
      {u"550", u"12a", false, u"0", u"0", std::nullopt},  // the state shown stays
      {u"x", u"1", false, u"0", u"0", std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(u8(c.prossima) + " / " + u8(c.kmAttuali));
    const maintenance::StateCheck state = maintenance::checkState(c.prossima, c.kmAttuali);
    EXPECT_EQ(state.ok, c.ok);
    EXPECT_EQ(u8(state.prossima), u8(c.wantProssima));
    EXPECT_EQ(u8(state.kmAttuali), u8(c.wantKmAttuali));
    EXPECT_EQ(state.stato, c.stato);
  }
}

core::RecordBuffer deadline(std::initializer_list<std::pair<const char*, Text>> fields) {
  core::RecordBuffer r(mileageLayout());
  for (const auto& [name, value] : fields) r.set(name, value);
  return r;
}

TEST(MileageRules, ListLinesKeepTheirColumns) {
  const core::RecordBuffer r = deadline({{"Marca", u"Fiat"},
                                         {"Modello", u"Ducato"},
                                         {"Targa", u"AB123CD"},
                                         {"Manutenzione", u"Tagliando"},
                                         {"KmRil", u"400"},
                                         {"Prossima", u"550"},
                                         {"KmAttuali", u"551"}});
  const Text line = maintenance::mileageLine().build(r);
  EXPECT_EQ(u8(line), "Fiat Ducato                     Targa: AB123CD       Tagliando" + std::string(31, ' ') +
                          "  Km iniziali: 400           Scadenza a km: 550");
  EXPECT_EQ(u8(line.substr(137)), "550");  // the due reading at character 138

  const Text done = maintenance::doneLine().build(r);
  EXPECT_EQ(u8(done), "Fiat Ducato" + std::string(21, ' ') + "  Targa: AB123CD       Tagliando" + std::string(36, ' ') +
                          "  Data:             Km attuali: 551");
  EXPECT_EQ(u8(done.substr(132)), "551");  // the current reading at character 133
  EXPECT_EQ(u8(done.substr(108, 10)), std::string(10, ' '));  // an empty date is ten blanks

  // Long texts are cut to their columns; the readings at the end are never cut.
  const core::RecordBuffer long_ = deadline({{"Marca", Text(40, u'M')},
                                             {"Modello", u"X"},
                                             {"Targa", Text(20, u'T')},
                                             {"Manutenzione", Text(50, u'm')},
                                             {"KmRil", u"1234567890"},
                                             {"DataInt", u"05/03/2024"},
                                             {"Prossima", u"123456789012345"},
                                             {"KmAttuali", u"98765"}});
  const Text cut = maintenance::mileageLine().build(long_);
  EXPECT_EQ(cut.size(), 137u + 15u);
  EXPECT_EQ(u8(cut.substr(0, 30)), std::string(30, 'M'));
  EXPECT_EQ(u8(cut.substr(137)), "123456789012345");
  const Text doneCut = maintenance::doneLine().build(long_);
  EXPECT_EQ(u8(doneCut.substr(108, 10)), "05/03/2024");
  EXPECT_EQ(u8(doneCut.substr(132)), "98765");
}

TEST(MileageRules, ListsChooseOnTheStoredFlagAndState) {
  struct Case {
    const char* name;
    Text effettuata, stato;
    bool done, toDo, expired;
  } cases[] = {
      {"done", u"S\u00EC", u"VALIDA", true, false, false},
      {"done after expiring", u"S\u00EC", u"SCADUTA", true, false, false},
      {"to do", u"No", u"VALIDA", false, true, false},
      {"expired", u"No", u"SCADUTA", false, true, true},
      {"state in small letters", u"No", u"scaduta", false, true, false},
      {"si without its accent", u"Si", u"SCADUTA", false, false, false},
      {"flag empty", u"", u"SCADUTA", false, false, false},
      {"flag in capitals", u"NO", u"SCADUTA", false, false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const core::RecordBuffer r = deadline({{"Effettuata", c.effettuata}, {"Stato", c.stato}});
    EXPECT_EQ(maintenance::isDoneMileage(r), c.done);
    EXPECT_EQ(maintenance::isToDoMileage(r), c.toDo);
    EXPECT_EQ(maintenance::isExpiredMileage(r), c.expired);
  }
  // Blanks stored around a value (by another writer) are trimmed before comparing.
  core::RecordBuffer padded(mileageLayout());
  const std::size_t stato = mileageLayout().offset(mileageLayout().indexOf("Stato"));
  const std::size_t flag = mileageLayout().offset(mileageLayout().indexOf("Effettuata"));
  std::memcpy(padded.data() + stato, "\x07SCADUTA", 8);
  std::memcpy(padded.data() + flag, "\x02No", 3);
  EXPECT_TRUE(maintenance::isExpiredMileage(padded));
  std::memcpy(padded.data() + stato, "\x07 SCADUT", 8);
  EXPECT_FALSE(maintenance::isExpiredMileage(padded));
  std::memcpy(padded.data() + flag, "\x02 N", 3);
  EXPECT_FALSE(maintenance::isToDoMileage(padded));
}

}  // namespace
