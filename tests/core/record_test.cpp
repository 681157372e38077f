// Windows-1252 conversion and short-string fields, checked against bytes built by hand.
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <string>
#include <vector>

#include "core/ansi.h"
#include "core/record.h"

namespace {

constexpr std::array<core::FieldDef, 3> kFields{{{"A", 5}, {"B", 3}, {"Flag", 2}}};
static_assert(core::recordSize(kFields) == 13);

std::vector<std::uint8_t> bytes(const core::RecordBuffer& r) { return {r.data(), r.data() + r.size()}; }

}  // namespace

TEST(Ansi, EveryByteRoundTrips) {
  for (int b = 0; b < 256; ++b) {
    SCOPED_TRACE(b);
    const std::string one(1, static_cast<char>(b));
    const std::u16string text = core::fromAnsi(one);
    ASSERT_EQ(text.size(), 1u);
    EXPECT_EQ(core::toAnsi(text), one);
  }
}

TEST(Ansi, KnownCharacters) {
  EXPECT_EQ(core::fromAnsi("\x80"), u"€");
  EXPECT_EQ(core::fromAnsi("\x9F"), u"Ÿ");
  EXPECT_EQ(core::fromAnsi("\xEC"), u"ì");
  EXPECT_EQ(core::fromAnsi("\x81\x8D\x8F\x90\x9D"), u"\u0081\u008D\u008F\u0090\u009D");
  EXPECT_EQ(core::toAnsi(u"Sì €"), "S\xEC \x80");
}

TEST(Ansi, MissingCharacterBecomesQuestionMark) {
  EXPECT_EQ(core::toAnsi(u"a\u0100b"), "a?b");       // Latin A with macron
  EXPECT_EQ(core::toAnsi(u"\u4E2D"), "?");            // a CJK character
  EXPECT_EQ(core::toAnsi(u"x\U0001F600y"), "x?y");    // one character outside the BMP: one '?'
  EXPECT_EQ(core::toAnsi(std::u16string(1, u'\xD800')), "?");  // a lone surrogate
}

TEST(RecordLayout, OffsetsAndSize) {
  core::RecordLayout layout(kFields);
  EXPECT_EQ(layout.size(), 13u);
  EXPECT_EQ(layout.offset(0), 0u);
  EXPECT_EQ(layout.offset(1), 6u);
  EXPECT_EQ(layout.offset(2), 10u);
  EXPECT_EQ(layout.indexOf("Flag"), 2u);
  EXPECT_THROW(layout.indexOf("Nope"), std::out_of_range);
}

TEST(RecordField, WriteStoresLengthAndBytesAndKeepsTheOldTail) {
  core::RecordLayout layout(kFields);
  core::RecordBuffer r(layout);
  r.set("A", u"abcde");
  r.set("A", u"xy");
  const std::vector<std::uint8_t> want{2, 'x', 'y', 'c', 'd', 'e', 0, 0, 0, 0, 0, 0, 0};
  EXPECT_EQ(bytes(r), want);
  EXPECT_EQ(r.get("A"), u"xy");
}

TEST(RecordField, WriteTrimsConvertsAndCuts) {
  core::RecordLayout layout(kFields);
  core::RecordBuffer r(layout);
  r.set("A", u"  ab \t");
  r.set("B", u"abcdefgh");   // width 3 + 5: the first 3 kept
  r.set("Flag", u"Sì");
  const std::vector<std::uint8_t> want{2, 'a', 'b', 0, 0, 0, 3, 'a', 'b', 'c', 2, 0x53, 0xEC};
  EXPECT_EQ(bytes(r), want);
  r.set("A", u"\u0100\u4E2D");
  EXPECT_EQ(r.rawValue(0), "??");
  r.set("B", u"");
  EXPECT_EQ(r.data()[6], 0);
  EXPECT_EQ(r.get("B"), u"");
}

TEST(RecordField, ReadConvertsAndTrims) {
  core::RecordLayout layout(kFields);
  core::RecordBuffer r(layout);
  const std::uint8_t raw[13] = {5, ' ', 'N', 0xEC, ' ', 0x1F, 2, 'N', 'o', 'z', 2, 'N', 'o'};
  std::memcpy(r.data(), raw, sizeof raw);
  EXPECT_EQ(r.get("A"), u"Nì");
  EXPECT_EQ(r.get("B"), u"No");  // the 'z' after the length is not part of the value
}

TEST(RecordField, LengthByteBeyondTheWidthReadsTheWidthOnly) {
  core::RecordLayout layout(kFields);
  core::RecordBuffer r(layout);
  const std::uint8_t raw[13] = {200, 'a', 'b', 'c', 'd', 'e', 255, 'x', 'y', 'z', 9, 'N', 'o'};
  std::memcpy(r.data(), raw, sizeof raw);
  EXPECT_EQ(r.get(0), u"abcde");  // not the next field's length byte
  EXPECT_EQ(r.get(1), u"xyz");
  EXPECT_EQ(r.get(2), u"No");     // the last field: never past the record
  EXPECT_EQ(r.rawValue(2).size(), 2u);
}

TEST(RecordBuffer, LooksAtABlocksBytesAndOwnsThemOnWriteOrCopy) {
  static constexpr std::array<core::FieldDef, 2> fields{{{"A", 3}, {"B", 2}}};
  const core::RecordLayout layout(fields);
  std::vector<std::uint8_t> block = {2, 'a', 'b', 0, 1, 'x', 0};
  core::RecordBuffer r(layout);
  r.lookAt(block.data());
  EXPECT_EQ(r.get(0), u"ab");
  EXPECT_EQ(r.rawValue(1), "x");

  // A copy keeps the bytes it was made from, whatever the block holds later.
  const core::RecordBuffer kept = r;
  block[1] = 'z';
  EXPECT_EQ(r.get(0), u"zb");  // still looking
  EXPECT_EQ(kept.get(0), u"ab");

  // A write starts from what the buffer shows and leaves the block alone.
  r.set(1, u"y");
  EXPECT_EQ(r.get(0), u"zb");
  EXPECT_EQ(r.get(1), u"y");
  EXPECT_EQ(block[5], 'x');
  block[1] = 'q';
  EXPECT_EQ(r.get(0), u"zb");
}
