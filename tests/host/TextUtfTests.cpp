#include <gtest/gtest.h>

#include "core/text/Latin1.h"
#include "core/text/Placeholder.h"
#include "core/text/Utf.h"

namespace vl {
namespace {

TEST(Utf8, EncodesEachSequenceLength) {
  // A, e-acute, euro sign, and U+1F600 as a surrogate pair.
  const Char text[] = {0x41, 0xE9, 0x20AC, 0xD83D, 0xDE00, 0};
  EXPECT_EQ(ToUtf8(text), "A\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80");
  EXPECT_EQ(FromUtf8("A\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80"), String(text));
}

TEST(Utf8, UnpairedSurrogatesBecomeReplacementCharacter) {
  const Char loneHigh[] = {0x61, 0xD800, 0x62, 0};
  const Char loneLow[] = {0xDC00, 0};
  const Char highAtEnd[] = {0x61, 0xDBFF, 0};
  EXPECT_EQ(ToUtf8(loneHigh), "a\xEF\xBF\xBD" "b");
  EXPECT_EQ(ToUtf8(loneLow), "\xEF\xBF\xBD");
  EXPECT_EQ(ToUtf8(highAtEnd), "a\xEF\xBF\xBD");
}

TEST(Utf8, MalformedInputDecodesToReplacementCharacter) {
  const String replacement(1, static_cast<Char>(0xFFFD));
  EXPECT_EQ(FromUtf8("\x80"), replacement);              // stray continuation byte
  EXPECT_EQ(FromUtf8("\xC0\xAF"), replacement + replacement);  // C0 never starts a sequence
  EXPECT_EQ(FromUtf8("\xE0\x80\xAF"), replacement);      // overlong
  EXPECT_EQ(FromUtf8("\xED\xA0\x80"), replacement);      // an encoded surrogate
  EXPECT_EQ(FromUtf8("\xF4\x90\x80\x80"), replacement);  // beyond U+10FFFF
  EXPECT_EQ(FromUtf8("\xE2\x82"), replacement);          // truncated at the end
  EXPECT_EQ(FromUtf8("\xE2" "A"), replacement + VLT("A"));  // the next character survives
}

TEST(Utf16, UnpairedSurrogateCheck) {
  const Char pair[] = {0xD83D, 0xDE00, 0};
  const Char reversed[] = {0xDE00, 0xD83D, 0};
  const Char highThenLetter[] = {0xD83D, 0x41, 0};
  EXPECT_TRUE(HasNoUnpairedSurrogates(VLT("")));
  EXPECT_TRUE(HasNoUnpairedSurrogates(VLT("plain")));
  EXPECT_TRUE(HasNoUnpairedSurrogates(pair));
  EXPECT_FALSE(HasNoUnpairedSurrogates(reversed));
  EXPECT_FALSE(HasNoUnpairedSurrogates(highThenLetter));
  EXPECT_FALSE(HasNoUnpairedSurrogates(StringView(pair, 1)));
}

TEST(Latin1, EveryByteIsItsOwnCodePoint) {
  const Char expected[] = {0x41, 0xE9, 0xFF, 0x00, 0x80, 0};
  EXPECT_EQ(WidenLatin1(std::string_view("A\xE9\xFF\0\x80", 5)), String(expected, 5));
}

TEST(Placeholder, ReplacesEveryOccurrence) {
  EXPECT_EQ(ReplacePlaceholder(VLT("%1 and %1."), VLT("C:\\a.bsf")),
            VLT("C:\\a.bsf and C:\\a.bsf."));
  EXPECT_EQ(ReplacePlaceholder(VLT("No name."), VLT("x")), VLT("No name."));
  EXPECT_EQ(ReplacePlaceholder(VLT("100%1"), VLT("%1")), VLT("100%1"));
}

}  // namespace
}  // namespace vl
