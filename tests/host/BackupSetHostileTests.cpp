// Damaged and hostile set files: each must be refused with the framework's message, without
// touching the open set and without reading or allocating beyond the data.
#include <gtest/gtest.h>

#include "ModelTestSupport.h"
#include "core/text/Utf.h"

namespace vl {
namespace {

using test::ByteBuilder;
using test::DefaultSettingsBlock;
using test::DocFixture;

const String kFile = VLT("C:\\VL\\Config\\Default.bsf");
const String kPastEnd = VLT("Attempted to access C:\\VL\\Config\\Default.bsf past its end.");
const String kUnexpectedObject = VLT("C:\\VL\\Config\\Default.bsf contained an unexpected object.");
const String kBadFormat = VLT("C:\\VL\\Config\\Default.bsf has a bad format.");
const String kUnexpectedFormat = VLT("Unexpected file format.");

ByteBuilder ListOf(uint16_t count) {
  ByteBuilder bytes = DefaultSettingsBlock(VLT("C:\\B"));
  return bytes.U16(count);
}

ByteBuilder& FirstRecord(ByteBuilder& bytes) {
  return test::SourceRecord(test::NewSourceClassTag(bytes), 1, VLT("C:\\a"), 1);
}

// A set with one item is open; the bytes must be refused with expected and leave it as it was.
void ExpectRefused(const std::vector<uint8_t>& bytes, const String& expected) {
  DocFixture f;
  f.doc.OnNewDocument(VLT("C:\\VL"));
  f.sources.AddTail(test::MakeSource(VLT("D:\\kept"), 3));
  const std::vector<uint8_t> before = StoreBackupSet(f.doc);
  String message;
  EXPECT_FALSE(f.Parse(bytes, message)) << bytes.size();
  EXPECT_EQ(ToUtf8(message), ToUtf8(expected)) << bytes.size();
  EXPECT_EQ(StoreBackupSet(f.doc), before) << bytes.size();
}

TEST(BackupSetHostile, EveryTruncationRunsIntoTheEnd) {
  ByteBuilder bytes = ListOf(3);
  FirstRecord(bytes).Raw({0x00, 0x00, 0x01, 0x80}).U32(2);
  bytes.Raw({0xFF, 0xFE, 0xFF, 0xFF, 0x2C, 0x01}).Units(String(300, VLT('x'))).U32(1);
  const std::vector<uint8_t>& whole = bytes.Bytes();
  for (size_t size = 0; size < whole.size(); ++size) {
    ExpectRefused(std::vector<uint8_t>(whole.begin(), whole.begin() + static_cast<ptrdiff_t>(size)),
                  kPastEnd);
  }
  DocFixture f;
  String message;
  EXPECT_TRUE(f.Parse(whole, message));
}

TEST(BackupSetHostile, HugeCountsAndLengthsRunIntoTheEnd) {
  ExpectRefused(ListOf(0xFFFF).U32(0xFFFFFFFF).Bytes(), kPastEnd);
  ByteBuilder hugePath = ListOf(1);
  test::NewSourceClassTag(hugePath).U32(1).Raw({0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF});
  ExpectRefused(hugePath.U32(0xFFFFFFFF).U32(1).Bytes(), kPastEnd);
  ByteBuilder hugeSetting;
  hugeSetting.Raw({0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF}).U32(0xFFFFFFFF).Raw({0x41, 0x00});
  ExpectRefused(hugeSetting.Bytes(), kPastEnd);
}

TEST(BackupSetHostile, OtherClassesAndBadIndicesAreRefused) {
  ByteBuilder otherClass = ListOf(1);
  otherClass.Raw({0xFF, 0xFF, 0x02, 0x00, 0x07, 0x00}).Ascii("CTarget").U32(1);
  ExpectRefused(otherClass.Bytes(), kUnexpectedObject);
  ByteBuilder unknownIndex = ListOf(2);
  FirstRecord(unknownIndex).Raw({0x05, 0x80});
  ExpectRefused(unknownIndex.Bytes(), kBadFormat);
  ByteBuilder classBeforeAny = ListOf(1);
  ExpectRefused(classBeforeAny.Raw({0x01, 0x80}).Bytes(), kBadFormat);
}

TEST(BackupSetHostile, ARecordListedTwiceIsRefused) {
  ByteBuilder shortTag = ListOf(2);
  FirstRecord(shortTag).Raw({0x02, 0x00});
  ExpectRefused(shortTag.Bytes(), kUnexpectedObject);
  ByteBuilder bigTag = ListOf(2);
  FirstRecord(bigTag).U16(0x7FFF).U32(2);
  ExpectRefused(bigTag.Bytes(), kUnexpectedObject);
}

TEST(BackupSetHostile, HalfASurrogatePairInAPathIsRefused) {
  ByteBuilder bytes = ListOf(1);
  test::NewSourceClassTag(bytes).U32(1).Raw({0xFF, 0xFE, 0xFF, 0x02}).U16('C').U16(0xD83D).U32(1);
  ExpectRefused(bytes.Bytes(), kUnexpectedFormat);
}

TEST(BackupSetHostile, FileBeyondTheLargestSetIsRefusedUnread) {
  std::vector<uint8_t> bytes = ListOf(0).Bytes();
  bytes.resize(kMaxSetFileBytes + 1);
  ExpectRefused(bytes, kUnexpectedFormat);
}

}  // namespace
}  // namespace vl
