#include <gtest/gtest.h>

#include "core/cipher.h"

using core::DecryptText;
using core::EncryptText;
using core::Text;

namespace {

// Cipher texts worked out by hand from the key register (start 5D3B, K := (c + K) *
// F19D + 6C15 mod 10000h): "A" is 41h xor 5Dh = 1Ch, after which K = 9170h, so a
// following "B" is 42h xor 91h = D3h.
struct Vector {
  const char* name;
  Text plain;
  Text cipher;
};
const Vector kVectors[] = {
    {"empty", u"", u""},
    {"one letter", u"A", u"1C"},
    {"key fed back", u"AB", u"1CD3"},
    {"byte below 16 keeps its zero", u"Z", u"07"},
    {"first-access password", u"BENVENUTIFLOTA", u"1F234BADBBEF128BE710BEE6DFD3"},
    {"accented letters", u"\u00E0\u00C8", u"BD4D"},
};

}  // namespace

TEST(Cipher, KnownCipherTextsBothWays) {
  for (const auto& v : kVectors) {
    SCOPED_TRACE(v.name);
    EXPECT_EQ(EncryptText(v.plain), v.cipher);
    EXPECT_EQ(DecryptText(v.cipher), v.plain);
  }
}

TEST(Cipher, ReadsLowerCaseDigitsAndIgnoresATrailingOddDigit) {
  EXPECT_EQ(DecryptText(u"1cd3"), u"AB");
  EXPECT_EQ(DecryptText(u"1Cd3"), u"AB");
  EXPECT_EQ(DecryptText(u"1CD"), u"A");
  EXPECT_EQ(DecryptText(u"1"), u"");
  EXPECT_EQ(DecryptText(u"1CD3Q"), u"AB");  // the odd digit is not even looked at
}

TEST(Cipher, RefusesAPairThatIsNotHexadecimal) {
  struct Case {
    const char* name;
    Text cipher;
  } cases[] = {
      {"letter past F", u"1G"},
      {"blank", u" 1"},
      {"bad second pair", u"1CZ3"},
      {"sign", u"-1"},
      {"wide digit", u"\uFF11\uFF12"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_THROW(DecryptText(c.cipher), core::CipherError);
  }
}

TEST(Cipher, EveryByteSurvivesTheRoundTrip) {
  Text all;
  for (char16_t c = 1; c <= 255; ++c) all.push_back(c);
  Text cipher = EncryptText(all);
  ASSERT_EQ(cipher.size(), 510u);
  for (char16_t d : cipher) EXPECT_TRUE((d >= u'0' && d <= u'9') || (d >= u'A' && d <= u'F'));
  EXPECT_EQ(DecryptText(cipher), all);
}

TEST(Cipher, OneChangedCharacterChangesEveryFollowingByte) {
  Text a = EncryptText(u"PASSWORD1234");
  Text b = EncryptText(u"PBSSWORD1234");
  ASSERT_EQ(a.size(), b.size());
  EXPECT_EQ(a.substr(0, 2), b.substr(0, 2));
  for (std::size_t i = 2; i < a.size(); i += 2) EXPECT_NE(a.substr(i, 2), b.substr(i, 2)) << "byte " << i / 2;
}

TEST(Cipher, TextsLongerThan255CharactersAreHandledWhole) {
  // The old 8-bit counter stored a 256-character text as nothing at all.
  Text longText(256, u'X');
  Text cipher = EncryptText(longText);
  EXPECT_EQ(cipher.size(), 512u);
  EXPECT_EQ(DecryptText(cipher), longText);
}

TEST(Cipher, OnlyTheLowByteOfAWideCharacterIsEnciphered) {
  // U+0141 and "A" share their low byte: this is why such passwords are refused.
  EXPECT_EQ(EncryptText(u"\u0141"), EncryptText(u"A"));
}

TEST(PasswordRules, TypedPasswordFormIsUpperCaseAToZThenTrimmed) {
  EXPECT_EQ(core::passwordForm(u"  benvenutiflota \t"), u"BENVENUTIFLOTA");
  EXPECT_EQ(core::passwordForm(u"caff\u00E8 1a"), u"CAFF\u00E8 1A");  // accented letters kept
  EXPECT_EQ(core::passwordForm(u"   "), u"");
}

TEST(PasswordRules, NewPasswordMustFitTheCipher) {
  using core::PasswordFault;
  struct Case {
    const char* name;
    Text password;
    PasswordFault fault;
  } cases[] = {
      {"ordinary", u"ABC", PasswordFault::None},
      {"255 characters", Text(255, u'A'), PasswordFault::None},
      {"256 characters", Text(256, u'A'), PasswordFault::TooLong},
      {"last Latin-1 character", u"A\u00FF", PasswordFault::None},
      {"euro sign", u"A\u20AC", PasswordFault::BadCharacter},
      {"L with stroke", u"\u0141A", PasswordFault::BadCharacter},
      {"emoji", u"A\U0001F600", PasswordFault::BadCharacter},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(core::checkNewPassword(c.password), c.fault);
  }
}
