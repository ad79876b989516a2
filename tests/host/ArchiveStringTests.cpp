#include <gtest/gtest.h>

#include "ArchiveTestSupport.h"
#include "ByteBuilder.h"

namespace vl {
namespace {

using test::ByteBuilder;
using test::LoadFailure;
using test::LoadString;
using test::Stored;

std::vector<uint8_t> StoredString(const String& text) {
  return Stored([&text](CArchive& ar) { ar << text; });
}

String Letters(size_t length) {
  String text;
  for (size_t i = 0; i < length; ++i) text.push_back(static_cast<Char>('a' + i % 26));
  return text;
}

TEST(ArchiveString, ShortStringsMatchTheFormatExamples) {
  EXPECT_EQ(StoredString(String()), (std::vector<uint8_t>{0xFF, 0xFE, 0xFF, 0x00}));
  EXPECT_EQ(StoredString(VLT("10")),
            (std::vector<uint8_t>{0xFF, 0xFE, 0xFF, 0x02, 0x31, 0x00, 0x30, 0x00}));
}

// Each length form at its boundaries, written and read back whole.
TEST(ArchiveString, LengthFormsAtTheirBoundaries) {
  struct Case {
    size_t length;
    std::vector<uint8_t> prefix;
  };
  const Case cases[] = {
      {254, {0xFF, 0xFE, 0xFF, 0xFE}},
      {255, {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0x00}},
      {300, {0xFF, 0xFE, 0xFF, 0xFF, 0x2C, 0x01}},
      {65533, {0xFF, 0xFE, 0xFF, 0xFF, 0xFD, 0xFF}},
      {65534, {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}},
      {70000, {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00}},
  };
  for (const Case& c : cases) {
    const String text = Letters(c.length);
    const auto expected = ByteBuilder().Append(c.prefix).Units(text).Bytes();
    const auto bytes = StoredString(text);
    EXPECT_EQ(bytes, expected) << c.length;
    EXPECT_EQ(LoadString(bytes), text) << c.length;
  }
}

TEST(ArchiveString, CharactersOutsideTheBasicPlaneRoundTrip) {
  const Char text[] = {'x', 0xD83D, 0xDE00, 0};
  EXPECT_EQ(LoadString(StoredString(text)), String(text));
}

// The framework reads a 16-bit 0xFFFE right after the first 0xFF as the marker and starts
// the length over, so the marker may precede any of the three length forms.
TEST(ArchiveString, ReadsTheMarkerBeforeEachLengthForm) {
  const auto shortForm = ByteBuilder().Raw({0xFF, 0xFE, 0xFF, 0x01}).Units(VLT("a")).Bytes();
  const auto wordForm = ByteBuilder().Raw({0xFF, 0xFE, 0xFF, 0xFF, 0x01, 0x00}).Units(VLT("a"));
  const auto longForm = ByteBuilder()
                            .Raw({0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0x01, 0x00, 0x00, 0x00})
                            .Units(VLT("a"));
  EXPECT_EQ(LoadString(shortForm), VLT("a"));
  EXPECT_EQ(LoadString(wordForm.Bytes()), VLT("a"));
  EXPECT_EQ(LoadString(longForm.Bytes()), VLT("a"));
}

TEST(ArchiveString, EightBitStringsGoThroughTheDecoder) {
  const auto shortForm = ByteBuilder().Raw({0x03}).Ascii("a\xE9z").Bytes();
  const Char latin1[] = {'a', 0xE9, 'z', 0};
  EXPECT_EQ(LoadString(shortForm), String(latin1));

  std::string seen;
  const auto decoder = [&seen](const std::string& bytes) {
    seen = bytes;
    return String(VLT("decoded"));
  };
  EXPECT_EQ(LoadString(shortForm, decoder), VLT("decoded"));
  EXPECT_EQ(seen, "a\xE9z");

  const std::string wide(300, 'q');
  const auto wordForm = ByteBuilder().Raw({0xFF, 0x2C, 0x01}).Ascii(wide).Bytes();
  EXPECT_EQ(LoadString(wordForm), String(300, VLT('q')));
  const auto longForm = ByteBuilder().Raw({0xFF, 0xFF, 0xFF}).U32(2).Ascii("ok").Bytes();
  EXPECT_EQ(LoadString(longForm), VLT("ok"));
}

TEST(ArchiveString, HugeLengthsRunIntoTheEndOfData) {
  const auto readString = [](CArchive& ar) {
    String text;
    ar >> text;
  };
  const auto unicode = ByteBuilder().Raw({0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF}).U32(0xFFFFFFFF);
  const auto eightBit = ByteBuilder().Raw({0xFF, 0xFF, 0xFF}).U32(0xFFFFFFFF).Ascii("abc");
  const auto halfUnit = ByteBuilder().Raw({0xFF, 0xFE, 0xFF, 0x02, 0x41, 0x00, 0x42});
  EXPECT_EQ(LoadFailure(unicode.Bytes(), readString), CArchiveException::endOfFile);
  EXPECT_EQ(LoadFailure(eightBit.Bytes(), readString), CArchiveException::endOfFile);
  EXPECT_EQ(LoadFailure(halfUnit.Bytes(), readString), CArchiveException::endOfFile);
}

TEST(ArchiveString, HalfASurrogatePairIsUnreadable) {
  const auto readString = [](CArchive& ar) {
    String text;
    ar >> text;
  };
  const auto highAtEnd = ByteBuilder().Raw({0xFF, 0xFE, 0xFF, 0x02}).U16('a').U16(0xD83D);
  const auto lowAlone = ByteBuilder().Raw({0xFF, 0xFE, 0xFF, 0x02}).U16(0xDE00).U16('a');
  EXPECT_EQ(LoadFailure(highAtEnd.Bytes(), readString), CArchiveException::genericException);
  EXPECT_EQ(LoadFailure(lowAlone.Bytes(), readString), CArchiveException::genericException);
}

}  // namespace
}  // namespace vl
