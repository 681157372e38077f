// File names from typed text: the year of a yearly file and the safe part of a name.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "core/file_names.h"

namespace {
std::string u8(const core::Text& t) { return core::toUtf8(t); }
}  // namespace

TEST(FileNames, IsYearTextIsExactlyFourAsciiDigits) {
  struct Case {
    const char16_t* text;
    bool year;
  } cases[] = {
      {u"2024", true},   {u"0000", true},   {u"9999", true},   {u"", false},
      {u"202", false},   {u"20245", false}, {u" 2024", false}, {u"2024 ", false},
      {u"+202", false},  {u"-202", false},  {u"20a4", false},  {u"2O24", false},
      {u"２０２４", false},  // full-width digits
      {u"٢٠٢٤", false},      // Arabic-Indic digits
      {u"20/4", false},  {u"2024\n", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(u8(c.text));
    EXPECT_EQ(core::isYearText(c.text), c.year);
  }
}

TEST(FileNames, SafePartKeepsEveryNameInsideItsFolder) {
  struct Case {
    const char* name;
    core::Text text;
    const char* want;
  } cases[] = {
      {"plain text as typed", u"Prenotazioni Fiat Punto", "Prenotazioni Fiat Punto"},
      {"accents kept", u"Città dell'Aquila", "Città dell'Aquila"},
      {"every refused character", u"a\\b/c:d*e?f\"g<h>i|j", "a_b_c_d_e_f_g_h_i_j"},
      {"a path upwards", u"../../etc/passwd", ".._.._etc_passwd"},
      {"a Windows path", u"C:\\Windows\\win.ini", "C__Windows_win.ini"},
      {"control characters", core::Text(u"a\0b\tc\rd\x1F" u"e\x7F" u"f\x9F" u"g", 13), "a_b_c_d_e_f_g"},
      {"empty", u"", "_"},
      {"the folder itself", u".", "_"},
      {"the folder above", u"..", "__"},
      {"dots alone", u"...", "___"},
      {"dots with a name", u"..a", "..a"},
      {"blanks kept", u"  ", "  "},
      {"a refused character only", u"/", "_"},
  };
  const std::filesystem::path folder = "/velmora/folder";
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const core::Text part = core::safeFileNamePart(c.text);
    EXPECT_EQ(u8(part), c.want);
    // Whatever was typed, the name stays one entry of the folder.
    const std::filesystem::path joined = (folder / core::toUtf8(part)).lexically_normal();
    EXPECT_EQ(joined.parent_path(), folder);
    EXPECT_NE(joined.filename(), "");
  }
}
