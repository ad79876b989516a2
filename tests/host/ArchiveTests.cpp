#include <gtest/gtest.h>

#include "ArchiveTestSupport.h"
#include "ByteBuilder.h"

namespace vl {
namespace {

using test::ByteBuilder;
using test::LoadFailure;
using test::Stored;

TEST(Archive, IntegersAreLittleEndian) {
  const auto bytes = Stored([](CArchive& ar) {
    ar << uint8_t{0x12} << uint16_t{0x3456} << uint32_t{0x789ABCDE} << int32_t{-2}
       << uint64_t{0x0102030405060708};
  });
  EXPECT_EQ(bytes, (std::vector<uint8_t>{0x12, 0x56, 0x34, 0xDE, 0xBC, 0x9A, 0x78, 0xFE, 0xFF,
                                         0xFF, 0xFF, 0x08, 0x07, 0x06, 0x05, 0x04, 0x03, 0x02,
                                         0x01}));
  CArchive ar(bytes.data(), bytes.size());
  uint8_t u8 = 0;
  uint16_t u16 = 0;
  uint32_t u32 = 0;
  int32_t i32 = 0;
  uint64_t u64 = 0;
  ar >> u8 >> u16 >> u32 >> i32 >> u64;
  EXPECT_EQ(u8, 0x12);
  EXPECT_EQ(u16, 0x3456);
  EXPECT_EQ(u32, 0x789ABCDEu);
  EXPECT_EQ(i32, -2);
  EXPECT_EQ(u64, 0x0102030405060708u);
  EXPECT_EQ(ar.Remaining(), 0u);
}

TEST(Archive, CountTakesTheLongFormFrom0xFFFF) {
  const std::pair<uint32_t, std::vector<uint8_t>> cases[] = {
      {0, {0x00, 0x00}},
      {0xFFFE, {0xFE, 0xFF}},
      {0xFFFF, {0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00}},
      {0x12345678, {0xFF, 0xFF, 0x78, 0x56, 0x34, 0x12}},
  };
  for (const auto& [count, expected] : cases) {
    EXPECT_EQ(Stored([count = count](CArchive& ar) { ar.WriteCount(count); }), expected);
    CArchive ar(expected.data(), expected.size());
    EXPECT_EQ(ar.ReadCount(), count);
  }
}

TEST(Archive, ReadingPastTheEndThrowsAndConsumesNothing) {
  const std::vector<uint8_t> bytes{0x01, 0x02, 0x03};
  CArchive ar(bytes.data(), bytes.size());
  uint32_t value = 0;
  uint16_t value16 = 0;
  EXPECT_THROW(ar >> value, CArchiveException);
  EXPECT_EQ(ar.Remaining(), 3u);
  ar >> value16;
  EXPECT_EQ(value16, 0x0201);
  EXPECT_EQ(LoadFailure(bytes, [](CArchive& a) { a.ReadCount(); a.ReadCount(); }),
            CArchiveException::endOfFile);
}

TEST(Archive, DirectionIsFixedAtConstruction) {
  std::vector<uint8_t> bytes;
  CArchive storing(bytes);
  uint8_t value = 0;
  EXPECT_TRUE(storing.IsStoring());
  EXPECT_FALSE(storing.IsLoading());
  EXPECT_THROW(storing >> value, CArchiveException);
  CArchive loading(bytes.data(), bytes.size());
  EXPECT_TRUE(loading.IsLoading());
  EXPECT_THROW(loading << value, CArchiveException);
  CArchive nothing(nullptr, 0);
  EXPECT_EQ(nothing.Remaining(), 0u);
  EXPECT_THROW(nothing.ReadCount(), CArchiveException);
}

TEST(ArchiveMessages, UseTheFrameworkTextsWithTheFileName) {
  const String file = VLT("C:\\VL\\Config\\Default.bsf");
  EXPECT_EQ(ArchiveErrorMessage(CArchiveException::endOfFile, file),
            VLT("Attempted to access C:\\VL\\Config\\Default.bsf past its end."));
  EXPECT_EQ(ArchiveErrorMessage(CArchiveException::badClass, file),
            VLT("C:\\VL\\Config\\Default.bsf contained an unexpected object."));
  EXPECT_EQ(ArchiveErrorMessage(CArchiveException::badIndex, file),
            VLT("C:\\VL\\Config\\Default.bsf has a bad format."));
  EXPECT_EQ(ArchiveErrorMessage(CArchiveException::genericException, file),
            VLT("Unexpected file format."));
}

}  // namespace
}  // namespace vl
