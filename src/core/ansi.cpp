#include "core/ansi.h"

#include <array>

namespace core {

namespace {
// Bytes 0x80..0x9F; the rest of the code page equals Latin-1.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
}  // namespace

char16_t ansiToUnicode(std::uint8_t byte) {
  if (byte >= 0x80 && byte <= 0x9F) return kHigh[byte - 0x80];
  return static_cast<char16_t>(byte);
}

bool unicodeToAnsi(char16_t ch, std::uint8_t& out) {
  if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF)) {
    out = static_cast<std::uint8_t>(ch);
    return true;
  }
  for (std::size_t i = 0; i < kHigh.size(); ++i) {
    if (kHigh[i] == ch) {
      out = static_cast<std::uint8_t>(0x80 + i);
      return true;
    }
  }
  return false;
}

std::string toAnsi(std::u16string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    char16_t ch = text[i];
    std::uint8_t b;
    if (ch >= 0xD800 && ch <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
      ++i;  // a character outside the BMP is one character, one '?'
      out.push_back('?');
    } else if (unicodeToAnsi(ch, b)) {
      out.push_back(static_cast<char>(b));
    } else {
      out.push_back('?');
    }
  }
  return out;
}

std::u16string fromAnsi(std::string_view bytes) {
  std::u16string out;
  out.reserve(bytes.size());
  for (char c : bytes) out.push_back(ansiToUnicode(static_cast<std::uint8_t>(c)));
  return out;
}

}  // namespace core
