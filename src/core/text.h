#pragma once
// Text and number routines shared by every window. Texts are UTF-16 code units,
// positions 1-based, as the windows see them.
#include <array>
#include <cstdint>
#include <compare>
#include <optional>
#include <string>
#include <string_view>

namespace core {

using Text = std::u16string;
using TextView = std::u16string_view;

// First min(n, length) characters.
Text LeftChars(TextView text, std::uint16_t n);
// Last n characters, n capped at the length.
Text RightChars(TextView text, std::uint16_t n);
// n characters from a 1-based position; position 0 counts as 1; past the end gives "".
Text MidChars(TextView text, std::uint16_t position, std::uint16_t n);
// Every character is an ASCII digit; true for the empty text.
bool IsAllDigits(TextView text);
// Truncate(value * 10^decimals + 0.5) / 10^decimals, the sum in extended precision.
double RoundToDecimals(double value, int decimals);
// Whether text is a calendar date written dd/mm/yyyy (as ParseDate reads it).
bool IsValidDateText(TextView text);

// Removes the characters up to U+0020 at both ends, nothing else.
Text trim(TextView text);
// Only a-z / A-Z are folded; accented letters stay as they are.
Text upperAZ(TextView text);
Text lowerAZ(TextView text);

// A calendar date; valid() is false for an impossible day.
struct Date {
  int day = 0, month = 0, year = 0;
  bool valid() const;
  bool operator==(const Date&) const = default;
  // In calendar order: year, then month, then day (not the members' order).
  std::strong_ordering operator<=>(const Date& o) const {
    if (auto c = year <=> o.year; c != 0) return c;
    if (auto c = month <=> o.month; c != 0) return c;
    return day <=> o.day;
  }
  // Days since 01/01/0001 (proleptic Gregorian), for differences between dates.
  long long serial() const;
  static Date fromSerial(long long serial);
};
// dd/mm/yyyy, always with "/".
Text formatDate(const Date& d);
// Reads d/m/yyyy: a day and a month of one or two digits and a four-digit year,
// separated by "/"; nothing for anything else (blanks included) or an impossible date.
std::optional<Date> parseDate(TextView text);
// The same on stored Windows-1252 bytes (a record field as it lies in the file).
std::optional<Date> parseDate(std::string_view ansiText);

// A computed number written back with the decimal comma, up to 15 significant
// digits, no thousands separator, no trailing zeros, no decimal part for a whole number;
// the exponent form ("1E15", "1,5E-6") only from 10^15 upwards and below 0,00001.
Text formatGeneral(double value);
// A typed number with the decimal comma and no thousands separator; nothing when it is not one.
std::optional<double> parseDecimal(TextView text);
// The same over the Windows-1252 bytes of a stored field (a scan reads its numbers
// without converting them first).
std::optional<double> parseDecimal(std::string_view ansiText);
// The amount normaliser: "" -> "0,00"; a number -> rounded to 4 decimals, general
// format, at least two decimals; anything else -> "0,00". A negative number is the
// mirror image of its absolute value ("-12,5" -> "-12,50").
Text normaliseAmount(TextView text);

// UTF-8 <-> UTF-16 for file names and messages built in plain C++.
std::string toUtf8(TextView text);
Text fromUtf8(std::string_view text);

// ---- Months, composed dates, kilometres ---------------------------------------------

// The month names as the month combos list them, "Gennaio" (1) to "Dicembre" (12), in
// ASCII, so that the combos' item lists are this very table.
inline constexpr std::array<const char*, 12> kMonthNames = {"Gennaio", "Febbraio", "Marzo",     "Aprile",
                                                            "Maggio",  "Giugno",   "Luglio",    "Agosto",
                                                            "Settembre", "Ottobre", "Novembre", "Dicembre"};
// The name of month 1..12; empty for a number outside 1..12.
Text monthName(int month);
// The number 1..12 of a month name, compared trimmed with A-Z folded ("gennaio",
// " MARZO " and "Dicembre" are months); nothing for any other text.
std::optional<int> monthNumber(TextView name);
// The date a card or a summary composes from its day and month combos and its year:
// trimmed day + "/" + the month's two-digit number + "/" + trimmed year, with no check
// that it is a date (IsValidDateText decides that). Empty when the month is not one of
// the twelve names.
Text composeDate(TextView day, TextView monthName, TextView year);

// The kilometre normaliser, run when a distance edit is left: "" -> "0"; a number with
// the decimal comma -> rounded to a whole number (halves away from zero) in the general
// format ("042" -> "42", "12,5" -> "13"); anything else -> "0".
Text normaliseKm(TextView text);

}  // namespace core
