#pragma once
// The password cipher of the credentials file: a byte stream cipher whose 16-bit key
// register is fed back with each cipher byte, written as two upper-case hexadecimal
// digits per character. Only the low 8 bits of a character take part, so a text
// survives the round trip only when its characters are U+0001 to U+00FF.
#include <stdexcept>

#include "core/text.h"

namespace core {

// A cipher text holding a pair of digits that is not a hexadecimal number.
class CipherError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Two upper-case hexadecimal digits per character; the empty text gives the empty text.
Text EncryptText(TextView plain);
// One character per pair of digits (either case); a trailing odd digit is ignored.
// Throws CipherError at the first pair that is not hexadecimal.
Text DecryptText(TextView cipher);

// The form in which a typed password is compared and stored: a-z turned to A-Z,
// then trimmed (characters up to U+0020 at both ends).
Text passwordForm(TextView typed);

// Why a new password cannot be stored, if it cannot. Longer than the cipher's
// 255 characters, or holding a character the cipher would not give back.
enum class PasswordFault { None, TooLong, BadCharacter };
constexpr std::size_t kMaxPasswordLength = 255;
PasswordFault checkNewPassword(TextView passwordForm);

}  // namespace core
