#include "core/text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace core {

Text LeftChars(TextView text, std::uint16_t n) {
  return Text(text.substr(0, std::min<std::size_t>(n, text.size())));
}

Text RightChars(TextView text, std::uint16_t n) {
  std::size_t count = std::min<std::size_t>(n, text.size());
  return Text(text.substr(text.size() - count));
}

Text MidChars(TextView text, std::uint16_t position, std::uint16_t n) {
  std::size_t pos = position == 0 ? 1 : position;
  if (pos > text.size()) return Text();
  return Text(text.substr(pos - 1, std::min<std::size_t>(n, text.size() - pos + 1)));
}

bool IsAllDigits(TextView text) {
  return std::all_of(text.begin(), text.end(), [](char16_t c) { return c >= u'0' && c <= u'9'; });
}

double RoundToDecimals(double value, int decimals) {
  double m = 1.0;
  for (int i = 0; i < decimals; ++i) m = m * 10.0;  // each step rounded to double
  long double scaled = static_cast<long double>(value) * static_cast<long double>(m) + 0.5L;
  long double truncated = std::trunc(scaled);
  return static_cast<double>(truncated / static_cast<long double>(m));
}

Text trim(TextView text) {
  std::size_t b = 0, e = text.size();
  while (b < e && text[b] <= u' ') ++b;
  while (e > b && text[e - 1] <= u' ') --e;
  return Text(text.substr(b, e - b));
}

Text upperAZ(TextView text) {
  Text out(text);
  for (auto& c : out)
    if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - u'a' + u'A');
  return out;
}

Text lowerAZ(TextView text) {
  Text out(text);
  for (auto& c : out)
    if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
  return out;
}

namespace {
bool isLeap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }
int daysIn(int m, int y) {
  static const int d[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return m == 2 && isLeap(y) ? 29 : d[m - 1];
}
}  // namespace

bool Date::valid() const {
  return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 && day <= daysIn(month, year);
}

long long Date::serial() const {
  // Days from civil (proleptic Gregorian), shifted so 01/01/0001 is 0.
  long long y = year - (month <= 2 ? 1 : 0);
  long long era = (y >= 0 ? y : y - 399) / 400;
  long long yoe = y - era * 400;
  long long mp = (month + 9) % 12;
  long long doy = (153 * mp + 2) / 5 + day - 1;
  long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 306;
}

Date Date::fromSerial(long long serial) {
  long long z = serial + 306;
  long long era = (z >= 0 ? z : z - 146096) / 146097;
  long long doe = z - era * 146097;
  long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  long long y = yoe + era * 400;
  long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  long long mp = (5 * doy + 2) / 153;
  int d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  int m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  return Date{d, m, static_cast<int>(y + (m <= 2 ? 1 : 0))};
}

Text formatDate(const Date& d) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%02d/%02d/%04d", d.day % 100, d.month % 100, d.year % 10000);
  return fromUtf8(buf);
}

namespace {
// d or dd, m or mm, yyyy, separated by "/": the same reading for texts and for stored
// Windows-1252 bytes, whose digits and "/" are the same characters.
template <typename Char>
std::optional<Date> readDate(std::basic_string_view<Char> text) {
  int parts[3] = {0, 0, 0};
  int digits[3] = {0, 0, 0};
  int part = 0;
  for (Char c : text) {
    if (c == Char('/')) {
      if (++part > 2) return std::nullopt;
    } else if (c >= Char('0') && c <= Char('9')) {
      if (++digits[part] > 4) return std::nullopt;
      parts[part] = parts[part] * 10 + (c - Char('0'));
    } else {
      return std::nullopt;
    }
  }
  if (part != 2 || digits[0] < 1 || digits[0] > 2 || digits[1] < 1 || digits[1] > 2 || digits[2] != 4)
    return std::nullopt;
  Date d{parts[0], parts[1], parts[2]};
  if (!d.valid()) return std::nullopt;
  return d;
}
}  // namespace

std::optional<Date> parseDate(TextView text) { return readDate(text); }
std::optional<Date> parseDate(std::string_view ansiText) { return readDate(ansiText); }

bool IsValidDateText(TextView text) { return parseDate(text).has_value(); }

Text formatGeneral(double value) {
  if (value == 0.0 || !std::isfinite(value)) return Text(u"0");
  // Fifteen significant digits, rounded once; then fixed or exponent form.
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.14E", value);
  std::string s(buf);
  const bool negative = s[0] == '-';
  if (negative) s.erase(0, 1);
  const auto epos = s.find('E');
  const int exponent = std::atoi(s.c_str() + epos + 1);  // of the first digit
  std::string digits = s.substr(0, 1) + s.substr(2, epos - 2);
  digits.erase(digits.find_last_not_of('0') + 1);  // the first digit is never 0
  std::string out = negative ? "-" : "";
  if (exponent >= 15 || exponent < -5) {
    // "1,5E20", "1E-6": no plus sign, no leading zeros in the exponent.
    out += digits.substr(0, 1);
    if (digits.size() > 1) out += "," + digits.substr(1);
    out += "E" + std::to_string(exponent);
  } else if (exponent < 0) {
    out += "0," + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
  } else {
    const auto whole = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= whole) {
      out += digits + std::string(whole - digits.size(), '0');
    } else {
      out += digits.substr(0, whole) + "," + digits.substr(whole);
    }
  }
  return fromUtf8(out);
}

namespace {

// A character's code, a byte read as unsigned.
template <typename Char>
std::uint32_t code(Char c) {
  if constexpr (sizeof(Char) == 1) return static_cast<unsigned char>(c);
  else return static_cast<std::uint32_t>(c);
}

// The same reading for texts and for stored Windows-1252 bytes: every character a
// number holds is ASCII, and the characters a trim removes (up to U+0020) are the same
// bytes.
template <typename Char>
std::optional<double> readDecimal(std::basic_string_view<Char> text) {
  std::size_t b = 0, e = text.size();
  while (b < e && code(text[b]) <= 0x20) ++b;
  while (e > b && code(text[e - 1]) <= 0x20) --e;
  const std::basic_string_view<Char> t = text.substr(b, e - b);
  if (t.empty()) return std::nullopt;
  // At most one character out per character in: the stack holds the texts of the fields.
  char stack[320];
  std::string heap;
  char* s = stack;
  if (t.size() + 1 > sizeof stack) {
    heap.resize(t.size() + 1);
    s = heap.data();
  }
  std::size_t n = 0;
  std::size_t i = 0;
  auto digit = [&](std::size_t k) { return t[k] >= Char('0') && t[k] <= Char('9'); };
  if (t[i] == Char('+') || t[i] == Char('-')) s[n++] = static_cast<char>(t[i++]);
  bool anyDigit = false;
  while (i < t.size() && digit(i)) { s[n++] = static_cast<char>(t[i++]); anyDigit = true; }
  if (i < t.size() && t[i] == Char(',')) {
    s[n++] = '.';
    ++i;
    while (i < t.size() && digit(i)) { s[n++] = static_cast<char>(t[i++]); anyDigit = true; }
  }
  if (!anyDigit) return std::nullopt;
  if (i < t.size() && (t[i] == Char('e') || t[i] == Char('E'))) {
    s[n++] = 'e';
    ++i;
    if (i < t.size() && (t[i] == Char('+') || t[i] == Char('-'))) s[n++] = static_cast<char>(t[i++]);
    bool expDigit = false;
    while (i < t.size() && digit(i)) { s[n++] = static_cast<char>(t[i++]); expDigit = true; }
    if (!expDigit) return std::nullopt;
  }
  if (i != t.size()) return std::nullopt;
  const char* first = s + (s[0] == '+' ? 1 : 0);
  double v = 0;
  auto [ptr, ec] = std::from_chars(first, s + n, v);
  if (ec != std::errc() || ptr != s + n || !std::isfinite(v)) return std::nullopt;
  return v;
}

}  // namespace

std::optional<double> parseDecimal(TextView text) { return readDecimal(text); }
std::optional<double> parseDecimal(std::string_view ansiText) { return readDecimal(ansiText); }

Text normaliseAmount(TextView text) {
  auto v = parseDecimal(text);
  if (!v) return Text(u"0,00");
  // RoundToDecimals adds 0.5 and truncates toward zero, which for a negative value
  // would give "-6,9999" for -7: a negative amount is the mirror image of its absolute
  // value instead, and one that rounds to nothing is no negative amount.
  const double rounded = RoundToDecimals(std::fabs(*v), 4);
  Text s = formatGeneral(rounded);
  auto comma = s.find(u',');
  if (comma == Text::npos) s += u",00";
  else if (comma == s.size() - 2) s += u"0";
  if (*v < 0 && rounded != 0) s.insert(0, 1, u'-');
  return s;
}

std::string toUtf8(TextView text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t c = text[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
    }
    if (c < 0x80) out.push_back(static_cast<char>(c));
    else if (c < 0x800) { out.push_back(static_cast<char>(0xC0 | (c >> 6))); out.push_back(static_cast<char>(0x80 | (c & 0x3F))); }
    else if (c < 0x10000) { out.push_back(static_cast<char>(0xE0 | (c >> 12))); out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F))); out.push_back(static_cast<char>(0x80 | (c & 0x3F))); }
    else { out.push_back(static_cast<char>(0xF0 | (c >> 18))); out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F))); out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F))); out.push_back(static_cast<char>(0x80 | (c & 0x3F))); }
  }
  return out;
}

Text fromUtf8(std::string_view s) {
  Text out;
  for (std::size_t i = 0; i < s.size();) {
    unsigned char c = static_cast<unsigned char>(s[i]);
    char32_t cp; int len;
    if (c < 0x80) { cp = c; len = 1; }
    else if ((c >> 5) == 6) { cp = c & 0x1F; len = 2; }
    else if ((c >> 4) == 14) { cp = c & 0x0F; len = 3; }
    else if ((c >> 3) == 30) { cp = c & 0x07; len = 4; }
    else { out.push_back(0xFFFD); ++i; continue; }
    if (i + len > s.size()) { out.push_back(0xFFFD); break; }
    for (int k = 1; k < len; ++k) cp = (cp << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
    i += len;
    if (cp >= 0x10000) { cp -= 0x10000; out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10))); out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF))); }
    else out.push_back(static_cast<char16_t>(cp));
  }
  return out;
}

// ---- Months, composed dates, kilometres ---------------------------------------------

Text monthName(int month) {
  if (month < 1 || month > 12) return Text();
  const std::string_view name = kMonthNames[static_cast<std::size_t>(month - 1)];
  return Text(name.begin(), name.end());  // ASCII
}

std::optional<int> monthNumber(TextView name) {
  const Text wanted = lowerAZ(trim(name));
  for (int m = 1; m <= 12; ++m) {
    if (lowerAZ(monthName(m)) == wanted) return m;
  }
  return std::nullopt;
}

Text composeDate(TextView day, TextView monthName, TextView year) {
  const auto month = monthNumber(monthName);
  if (!month) return Text();
  Text out = trim(day);
  out += u'/';
  out += static_cast<char16_t>(u'0' + *month / 10);
  out += static_cast<char16_t>(u'0' + *month % 10);
  out += u'/';
  out += trim(year);
  return out;
}

Text normaliseKm(TextView text) {
  const auto value = parseDecimal(text);  // "" and a non-number alike
  if (!value) return Text(u"0");
  // Rounded on the magnitude, so a negative reading rounds like its positive twin.
  const double whole = RoundToDecimals(std::fabs(*value), 0);
  return formatGeneral(*value < 0 ? -whole : whole);
}

}  // namespace core
