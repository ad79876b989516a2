#include <gtest/gtest.h>

#include "ArchiveTestSupport.h"
#include "ByteBuilder.h"

namespace vl {
namespace {

using test::ByteBuilder;
using test::LoadFailure;
using test::Stored;

constexpr ArchiveClass kSource{"CSource", 2};

ByteBuilder NewClassTag(uint16_t schema = 2, std::string_view name = "CSource") {
  ByteBuilder tag;
  tag.U16(0xFFFF).U16(schema).U16(static_cast<uint16_t>(name.size())).Ascii(name);
  return tag;
}

// Reads tags of kSource up to the end, standing in one byte for each object's record.
std::vector<bool> ReadTags(CArchive& ar) {
  std::vector<bool> objects;
  while (ar.Remaining() > 0) {
    const bool isObject = ar.ReadObjectTag(kSource);
    if (isObject) {
      uint8_t record = 0;
      ar >> record;
    }
    objects.push_back(isObject);
  }
  return objects;
}

CArchiveException::Cause ReadFailure(const ByteBuilder& bytes) {
  return LoadFailure(bytes.Bytes(), [](CArchive& ar) { ReadTags(ar); });
}

TEST(ArchiveObjectTag, FirstElementNamesTheClassLaterOnesItsIndex) {
  const auto bytes = Stored([](CArchive& ar) {
    for (int i = 0; i < 3; ++i) ar.WriteObjectTag(kSource);
  });
  const auto expected = ByteBuilder()
                            .Raw({0xFF, 0xFF, 0x02, 0x00, 0x07, 0x00})
                            .Ascii("CSource")
                            .Raw({0x01, 0x80, 0x01, 0x80});
  EXPECT_EQ(bytes, expected.Bytes());
}

TEST(ArchiveObjectTag, ReadsNewClassThenClassReferences) {
  const auto bytes = NewClassTag().Raw({0xAA}).Raw({0x01, 0x80, 0xBB}).Raw({0x01, 0x80, 0xCC});
  CArchive ar(bytes.Bytes().data(), bytes.Bytes().size());
  EXPECT_EQ(ReadTags(ar), (std::vector<bool>{true, true, true}));
}

TEST(ArchiveObjectTag, AcceptsAnyVersionNumber) {
  EXPECT_EQ(ReadFailure(NewClassTag(7).Raw({0xAA})), CArchiveException::none);
}

TEST(ArchiveObjectTag, NullElementIsOnlyItsTwoBytes) {
  const auto bytes = NewClassTag().Raw({0xAA, 0x00, 0x00, 0x01, 0x80, 0xBB});
  CArchive ar(bytes.Bytes().data(), bytes.Bytes().size());
  EXPECT_EQ(ReadTags(ar), (std::vector<bool>{true, false, true}));
}

TEST(ArchiveObjectTag, BigTagFormReadsLikeTheShortOne) {
  const auto bytes = NewClassTag()
                         .Raw({0xAA})
                         .U16(0x7FFF).U32(0x80000001).Raw({0xBB})  // class 1
                         .U16(0x7FFF).U32(0);                      // null
  CArchive ar(bytes.Bytes().data(), bytes.Bytes().size());
  EXPECT_EQ(ReadTags(ar), (std::vector<bool>{true, true, false}));
  EXPECT_EQ(ReadFailure(NewClassTag().Raw({0xAA}).U16(0x7FFF).U32(2)), CArchiveException::badClass);
  EXPECT_EQ(ReadFailure(NewClassTag().Raw({0xAA}).U16(0x7FFF).U32(0xFFFFFFFF)),
            CArchiveException::badIndex);
}

// Class 1, object 2, then a second introduction of the class as index 3, object 4.
TEST(ArchiveObjectTag, IndicesCountClassesAndObjectsTogether) {
  const auto bytes = NewClassTag().Raw({0xAA}).Append(NewClassTag().Bytes()).Raw({0xBB});
  EXPECT_EQ(ReadFailure(ByteBuilder(bytes).Raw({0x03, 0x80, 0xCC})), CArchiveException::none);
  EXPECT_EQ(ReadFailure(ByteBuilder(bytes).Raw({0x02, 0x80, 0xCC})), CArchiveException::badIndex);
  EXPECT_EQ(ReadFailure(ByteBuilder(bytes).Raw({0x04, 0x00})), CArchiveException::badClass);
}

TEST(ArchiveObjectTag, RejectsOtherClassesAndUnknownIndices) {
  EXPECT_EQ(ReadFailure(NewClassTag(2, "CTarget").Raw({0xAA})), CArchiveException::badClass);
  EXPECT_EQ(ReadFailure(NewClassTag(2, "CSources").Raw({0xAA})), CArchiveException::badClass);
  EXPECT_EQ(ReadFailure(ByteBuilder().Raw({0x01, 0x80, 0xAA})), CArchiveException::badIndex);
  EXPECT_EQ(ReadFailure(ByteBuilder().Raw({0x00, 0x80, 0xAA})), CArchiveException::badIndex);
  EXPECT_EQ(ReadFailure(NewClassTag().Raw({0xAA, 0x05, 0x80})), CArchiveException::badIndex);
}

TEST(ArchiveObjectTag, RejectsReferencesToEarlierElements) {
  // Index 2 is the object read first: the same record must not appear twice.
  EXPECT_EQ(ReadFailure(NewClassTag().Raw({0xAA, 0x02, 0x00})), CArchiveException::badClass);
  // Index 1 is a class, not an object; index 3 has not been read.
  EXPECT_EQ(ReadFailure(NewClassTag().Raw({0xAA, 0x01, 0x00})), CArchiveException::badIndex);
  EXPECT_EQ(ReadFailure(NewClassTag().Raw({0xAA, 0x03, 0x00})), CArchiveException::badIndex);
}

TEST(ArchiveObjectTag, TruncatedClassNameIsTheEndOfData) {
  EXPECT_EQ(ReadFailure(ByteBuilder().Raw({0xFF, 0xFF, 0x02, 0x00, 0x07, 0x00}).Ascii("CSou")),
            CArchiveException::endOfFile);
}

}  // namespace
}  // namespace vl
