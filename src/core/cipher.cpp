#include "core/cipher.h"

namespace core {

namespace {

constexpr std::uint16_t kStart = 0x5D3B;
constexpr std::uint16_t kMultiplier = 0xF19D;
constexpr std::uint16_t kIncrement = 0x6C15;

// The next key from the cipher byte just produced or read (arithmetic modulo 65536).
std::uint16_t NextKey(std::uint16_t key, std::uint8_t cipherByte) {
  return static_cast<std::uint16_t>((static_cast<std::uint32_t>(cipherByte + key) * kMultiplier + kIncrement) & 0xFFFFu);
}

int hexValue(char16_t c) {
  if (c >= u'0' && c <= u'9') return c - u'0';
  if (c >= u'A' && c <= u'F') return c - u'A' + 10;
  if (c >= u'a' && c <= u'f') return c - u'a' + 10;
  return -1;
}

}  // namespace

Text EncryptText(TextView plain) {
  static constexpr char16_t kDigits[] = u"0123456789ABCDEF";
  Text out;
  out.reserve(plain.size() * 2);
  std::uint16_t key = kStart;
  for (char16_t ch : plain) {
    auto c = static_cast<std::uint8_t>((ch & 0xFF) ^ (key >> 8));
    out.push_back(kDigits[c >> 4]);
    out.push_back(kDigits[c & 0x0F]);
    key = NextKey(key, c);
  }
  return out;
}

Text DecryptText(TextView cipher) {
  const std::size_t n = cipher.size() / 2;
  // Every pair is converted before anything is deciphered: a bad pair anywhere
  // gives no result at all.
  std::string bytes(n, '\0');
  for (std::size_t i = 0; i < n; ++i) {
    int hi = hexValue(cipher[2 * i]);
    int lo = hexValue(cipher[2 * i + 1]);
    if (hi < 0 || lo < 0)
      throw CipherError("'" + toUtf8(cipher.substr(2 * i, 2)) + "' is not a valid hexadecimal value");
    bytes[i] = static_cast<char>(hi * 16 + lo);
  }
  Text out;
  out.reserve(n);
  std::uint16_t key = kStart;
  for (char b : bytes) {
    auto byte = static_cast<std::uint8_t>(b);
    out.push_back(static_cast<char16_t>(byte ^ (key >> 8)));
    key = NextKey(key, byte);
  }
  return out;
}

Text passwordForm(TextView typed) { return trim(upperAZ(typed)); }

PasswordFault checkNewPassword(TextView passwordForm) {
  if (passwordForm.size() > kMaxPasswordLength) return PasswordFault::TooLong;
  for (char16_t c : passwordForm)
    if (c > 0xFF) return PasswordFault::BadCharacter;
  return PasswordFault::None;
}

}  // namespace core
