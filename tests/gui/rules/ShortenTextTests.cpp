#include <gtest/gtest.h>

#include "core/rules/ShortenText.h"

namespace vl {
namespace {

// Every character is 5 units wide.
int Width(const String& text) { return static_cast<int>(text.size()) * 5; }

TEST(ShortenText, TextThatFitsStaysWhole) {
  EXPECT_EQ(ShortenToWidth(VLT("abcd"), 23, Width), VLT("abcd"));  // 20 + 2 < 23
}

TEST(ShortenText, TextAtTheLimitIsCut) {
  // 20 + 2 is not less than 22: cut until prefix + 15 + 2 < 22, i.e. a prefix of 0 characters.
  EXPECT_EQ(ShortenToWidth(VLT("abcd"), 22, Width), VLT("..."));
  // prefix + 17 < 40: prefix width at most 22, so 4 characters.
  EXPECT_EQ(ShortenToWidth(VLT("abcdefghij"), 40, Width), VLT("abcd..."));
}

TEST(ShortenText, NoRoomLeavesOnlyTheEllipsis) {
  EXPECT_EQ(ShortenToWidth(VLT("abcdef"), 0, Width), VLT("..."));
}

// The target line's rule: no slack, and never less than one character before the ellipsis.
TEST(FitToLabelWidth, TextNarrowerThanTheLabelStays) {
  EXPECT_EQ(FitToLabelWidth(VLT("abcd"), 21, Width), VLT("abcd"));
  EXPECT_EQ(FitToLabelWidth(String(), 0, Width), String());
}

TEST(FitToLabelWidth, TextAsWideAsTheLabelIsCutToTheLongestFittingPrefix) {
  // 20 is not below 20, and no prefix fits either (5 + 15 is not below 20): one character.
  EXPECT_EQ(FitToLabelWidth(VLT("abcd"), 20, Width), VLT("a..."));
  // prefix + 15 < 41: up to 25 units, five characters.
  EXPECT_EQ(FitToLabelWidth(VLT("abcdefghij"), 41, Width), VLT("abcde..."));
  // prefix + 15 < 40: 24 units at most, four characters.
  EXPECT_EQ(FitToLabelWidth(VLT("abcdefghij"), 40, Width), VLT("abcd..."));
}

TEST(FitToLabelWidth, EvenWithoutRoomOneCharacterRemains) {
  EXPECT_EQ(FitToLabelWidth(VLT("abcdef"), 0, Width), VLT("a..."));
  EXPECT_EQ(FitToLabelWidth(VLT("x"), 3, Width), VLT("x..."));
}

TEST(FitToLabelWidth, ASurrogatePairIsNeverSplit) {
  // U+1F600 as two code units; by width alone the cut would fall between them ("ab" and the
  // first half make 15 units, + 15 < 31).
  const String text = String(VLT("ab")) + static_cast<Char>(0xD83D) + static_cast<Char>(0xDE00) +
                      VLT("cdef");
  EXPECT_EQ(FitToLabelWidth(text, 31, Width), VLT("ab..."));
  const String pair = String() + static_cast<Char>(0xD83D) + static_cast<Char>(0xDE00) + VLT("z");
  EXPECT_EQ(FitToLabelWidth(pair, 0, Width), pair.substr(0, 2) + VLT("..."));
}

}  // namespace
}  // namespace vl
