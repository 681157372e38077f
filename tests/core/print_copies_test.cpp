// The copies prompt's answer as a number of copies.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "core/print_copies.h"

namespace {

TEST(CopiesAnswer, OneUnlessOnlyAsciiDigitsThenTheirValueIfItFits) {
  struct Case {
    const char* name;
    core::Text answer;
    std::optional<int> copies;
  } cases[] = {
      {"empty", u"", 1},
      {"blanks and a tab", u" \t ", 1},
      {"a letter", u"a", 1},
      {"a blank before", u" 3", 1},
      {"a blank after", u"3 ", 1},
      {"a sign", u"+3", 1},
      {"a decimal comma", u"2,5", 1},
      {"Arabic-Indic three", u"\u0663", 1},
      {"full-width three", u"\uFF13", 1},
      {"three", u"3", 3},
      {"zero", u"0", 0},
      {"leading zeros", u"0012", 12},
      {"the largest int", u"2147483647", 2147483647},
      {"one past it", u"2147483648", std::nullopt},
      {"many digits", u"00000000000000000000000000002", 2},
      {"twenty nines", u"99999999999999999999", std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(core::copiesFromAnswer(c.answer), c.copies);
  }
}

}  // namespace
