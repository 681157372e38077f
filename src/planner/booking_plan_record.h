#pragma once
// The planner file of one vehicle and one year: a single record of 18850 bytes, the
// vehicle it was last saved for, then one booking text for each of the 366 days of
// the board in calendar order, 29 February always included (day index 59, an empty
// slot in a common year). Only the booking board reads and writes it.
//
// Plain C++ on purpose (no Qt).
#include <array>
#include <cstddef>
#include <string_view>

#include "core/record.h"

namespace planner {

inline constexpr std::size_t kBoardDays = 366;

namespace detail {

// "Giorni[0]" .. "Giorni[365]", kept in static storage for the field names.
struct DayFieldName {
  char text[12] = {};
  std::size_t length = 0;
};
constexpr std::array<DayFieldName, kBoardDays> makeDayFieldNames() {
  std::array<DayFieldName, kBoardDays> names{};
  for (std::size_t i = 0; i < kBoardDays; ++i) {
    DayFieldName& n = names[i];
    for (char c : std::string_view("Giorni[")) n.text[n.length++] = c;
    char digits[3];
    std::size_t count = 0;
    std::size_t v = i;
    do {
      digits[count++] = static_cast<char>('0' + v % 10);
      v /= 10;
    } while (v);
    while (count) n.text[n.length++] = digits[--count];
    n.text[n.length++] = ']';
  }
  return names;
}
inline constexpr std::array<DayFieldName, kBoardDays> kDayFieldNames = makeDayFieldNames();

}  // namespace detail

struct BookingPlanRecord {
  static constexpr std::size_t kSize = 18850;
  // The header fields are written at every save and never read back: the board always
  // shows the vehicle chosen in the menu.
  static constexpr std::size_t kVeicolo = 0;  // txtVeicolo, vehicle type
  static constexpr std::size_t kMarca = 1;    // txtMarca
  static constexpr std::size_t kModello = 2;  // txtModello
  static constexpr std::size_t kTarga = 3;    // txtTarga
  static constexpr std::size_t kHeaderFields = 4;
  // The field of day index i (0 = 1 January .. 365 = 31 December): Giorni[i].
  static constexpr std::size_t dayField(std::size_t index) { return kHeaderFields + index; }

  static constexpr std::array<core::FieldDef, kHeaderFields + kBoardDays> fields = [] {
    std::array<core::FieldDef, kHeaderFields + kBoardDays> f{};
    f[kVeicolo] = {"Veicolo", 50};
    f[kMarca] = {"Marca", 50};
    f[kModello] = {"Modello", 50};
    f[kTarga] = {"Targa", 30};
    for (std::size_t i = 0; i < kBoardDays; ++i) {
      const detail::DayFieldName& n = detail::kDayFieldNames[i];
      f[kHeaderFields + i] = {std::string_view(n.text, n.length), 50};
    }
    return f;
  }();
  static_assert(core::recordSize(fields) == kSize);
};

// The layout (offsets computed once) shared by the board's load and save.
inline const core::RecordLayout& bookingPlanLayout() {
  static const core::RecordLayout layout(BookingPlanRecord::fields);
  return layout;
}

}  // namespace planner
