#include <gtest/gtest.h>

#include "client/platform/CodePage.h"

namespace vl {
namespace {

TEST(CodePage, DecodesWindows1252) {
  EXPECT_EQ(platform::DecodeCodePage("caf\xe9 \x80", 1252), L"caf\u00e9 \u20ac");
}

TEST(CodePage, DecodesKoreanAndJapaneseCodePages) {
  EXPECT_EQ(platform::DecodeCodePage("\xc7\xd1", 949), L"\ud55c");
  EXPECT_EQ(platform::DecodeCodePage("\x93\xfa", 932), L"\u65e5");
}

TEST(CodePage, EmptyStaysEmpty) { EXPECT_EQ(platform::DecodeCodePage(""), L""); }

TEST(CodePage, AnsiDecoderKeepsAscii) {
  const CodePageDecoder decoder = platform::MakeAnsiDecoder();
  EXPECT_EQ(decoder("C:\\Data\\Work"), L"C:\\Data\\Work");
}

}  // namespace
}  // namespace vl
