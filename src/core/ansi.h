#pragma once
// Windows-1252, the code page of every text stored in our files. Our own table:
// the five bytes the code page leaves undefined map to the C1 controls of the same value.
#include <cstdint>
#include <string>
#include <string_view>

namespace core {

// One byte per character; a character the code page lacks becomes '?'.
std::string toAnsi(std::u16string_view text);
std::u16string fromAnsi(std::string_view bytes);
char16_t ansiToUnicode(std::uint8_t byte);
// Returns false (and leaves out untouched) for a character the code page lacks.
bool unicodeToAnsi(char16_t ch, std::uint8_t& out);

}  // namespace core
