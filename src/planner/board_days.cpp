#include "planner/board_days.h"

#include <array>

namespace planner {

namespace {

constexpr std::array<std::string_view, 12> kCodes = {"Gen", "Feb", "Mar", "Apr", "Mag", "Giu",
                                                     "Lug", "Ago", "Set", "Ott", "Nov", "Dic"};
constexpr std::array<core::TextView, 12> kNames = {u"gennaio", u"febbraio", u"marzo",     u"aprile",
                                                   u"maggio",  u"giugno",   u"luglio",    u"agosto",
                                                   u"settembre", u"ottobre", u"novembre", u"dicembre"};
constexpr std::array<int, 12> kLengths = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
constexpr std::size_t kPrefixWidth = 15;

char lowerOf(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// The days and the texts they point into, made once.
struct Days {
  std::array<BoardDay, kBoardDays> days{};
  std::array<std::array<char, 6>, kBoardDays> keys{};
  std::array<std::array<char, 6>, kBoardDays> suffixes{};
  std::array<std::array<char16_t, kPrefixWidth>, kBoardDays> prefixes{};

  Days() {
    std::size_t i = 0;
    for (int m = 1; m <= 12; ++m) {
      const std::string_view code = kCodes[m - 1];
      const core::TextView name = kNames[m - 1];
      for (int d = 1; d <= kLengths[m - 1]; ++d, ++i) {
        const char tens = static_cast<char>('0' + d / 10), units = static_cast<char>('0' + d % 10);
        suffixes[i] = {code[0], code[1], code[2], '_', tens, units};
        keys[i] = {lowerOf(code[0]), code[1], code[2], '_', tens, units};
        std::array<char16_t, kPrefixWidth>& p = prefixes[i];
        p.fill(u' ');
        p[0] = static_cast<char16_t>(tens);
        p[1] = static_cast<char16_t>(units);
        for (std::size_t c = 0; c < name.size(); ++c) p[3 + c] = name[c];
        days[i] = BoardDay{
            .index = static_cast<int>(i),
            .month = m,
            .day = d,
            .key = std::string_view(keys[i].data(), keys[i].size()),
            .suffix = std::string_view(suffixes[i].data(), suffixes[i].size()),
            .monthName = name,
            .summaryPrefix = core::TextView(p.data(), p.size()),
        };
      }
    }
  }
};

const Days& days() {
  static const Days d;
  return d;
}

bool inRange(int month) { return month >= 1 && month <= 12; }

}  // namespace

std::span<const BoardDay, kBoardDays> boardDays() { return days().days; }

const BoardDay* dayOfKey(core::TextView key) {
  // "mmm_dd": the month's code, then a day the month has.
  if (key.size() != 6 || key[3] != u'_') return nullptr;
  const char16_t tens = key[4], units = key[5];
  if (tens < u'0' || tens > u'3' || units < u'0' || units > u'9') return nullptr;
  const int d = (tens - u'0') * 10 + (units - u'0');
  for (int m = 1; m <= 12; ++m) {
    const std::string_view code = kCodes[m - 1];
    if (key[0] != static_cast<char16_t>(lowerOf(code[0])) || key[1] != static_cast<char16_t>(code[1]) ||
        key[2] != static_cast<char16_t>(code[2]))
      continue;
    if (d < 1 || d > kLengths[m - 1]) return nullptr;
    int index = d - 1;
    for (int before = 1; before < m; ++before) index += kLengths[before - 1];
    return &boardDays()[static_cast<std::size_t>(index)];
  }
  return nullptr;
}

std::string_view monthCode(int month) { return inRange(month) ? kCodes[month - 1] : std::string_view(); }

core::TextView monthNameOf(int month) { return inRange(month) ? kNames[month - 1] : core::TextView(); }

core::Text monthTitle(int month) {
  if (!inRange(month)) return {};
  return core::upperAZ(kNames[month - 1]) + u":";
}

int boardMonthLength(int month) { return inRange(month) ? kLengths[month - 1] : 0; }

bool isBooked(core::TextView text) { return !core::trim(text).empty(); }

core::Text dateText(const BoardDay& day, core::TextView year) {
  core::Text t;
  t += static_cast<char16_t>(u'0' + day.day / 10);
  t += static_cast<char16_t>(u'0' + day.day % 10);
  t += u'/';
  t += static_cast<char16_t>(u'0' + day.month / 10);
  t += static_cast<char16_t>(u'0' + day.month % 10);
  t += u'/';
  t += year;
  return t;
}

std::optional<core::Date> dateIn(const BoardDay& day, core::TextView year) { return core::parseDate(dateText(day, year)); }

bool inInterval(const BoardDay& day, core::TextView year, const core::Date& start, const core::Date& end) {
  const std::optional<core::Date> date = dateIn(day, year);
  return date && start.serial() <= date->serial() && date->serial() <= end.serial();
}

core::Text dayHeading(const BoardDay& day, core::TextView year) {
  core::Text t = u"Prenotazione del ";
  if (day.day >= 10) t += static_cast<char16_t>(u'0' + day.day / 10);
  t += static_cast<char16_t>(u'0' + day.day % 10);
  t += u' ';
  t += day.monthName;
  t += u' ';
  t += year;
  return t;
}

}  // namespace planner
