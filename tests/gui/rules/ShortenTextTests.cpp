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

}  // namespace
}  // namespace vl
