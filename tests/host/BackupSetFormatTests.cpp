#include <gtest/gtest.h>

#include "ModelTestSupport.h"
#include "core/text/Utf.h"

namespace vl {
namespace {

using test::ByteBuilder;
using test::DefaultSettingsBlock;
using test::DocFixture;
using test::MakeSource;

TEST(BackupSetFormat, NewSetIsTheSettingsBlockAndAnEmptyList) {
  DocFixture f;
  f.doc.OnNewDocument(VLT("C:\\VL"));
  const auto expected = DefaultSettingsBlock(VLT("C:\\VL\\Backup")).Raw({0x00, 0x00});
  EXPECT_EQ(StoreBackupSet(f.doc), expected.Bytes());
}

TEST(BackupSetFormat, DataFolderAtADriveRootGetsNoDoubleBackslash) {
  DocFixture f;
  f.doc.OnNewDocument(VLT("E:\\"));
  EXPECT_EQ(f.doc.m_settings.m_strBackupPath, VLT("E:\\Backup"));
}

TEST(BackupSetFormat, ItemsFollowAsTaggedRecordsInListOrder) {
  DocFixture f;
  f.doc.OnNewDocument(VLT("C:\\VL"));
  f.sources.AddTail(MakeSource(VLT("D:\\"), 0x11223344, 1));
  f.sources.AddTail(MakeSource(VLT("C:\\Data\\Work"), 0xA0B0C0D0, 0));
  ByteBuilder expected = DefaultSettingsBlock(VLT("C:\\VL\\Backup"));
  expected.Raw({0x02, 0x00});
  test::SourceRecord(test::NewSourceClassTag(expected), 0x11223344, VLT("D:\\"), 1);
  test::SourceRecord(expected.Raw({0x01, 0x80}), 0xA0B0C0D0, VLT("C:\\Data\\Work"), 0);
  EXPECT_EQ(StoreBackupSet(f.doc), expected.Bytes());

  DocFixture loaded;
  String message;
  ASSERT_TRUE(loaded.Parse(expected.Bytes(), message)) << ToUtf8(message);
  ASSERT_EQ(loaded.sources.GetCount(), 2u);
  EXPECT_EQ(loaded.sources.GetAt(1).path, VLT("C:\\Data\\Work"));
  EXPECT_EQ(loaded.sources.GetAt(1).volumeSerial, 0xA0B0C0D0u);
  EXPECT_EQ(loaded.sources.GetAt(1).recognized, 0);
}

TEST(BackupSetFormat, PathOf300CharactersTakesTheWordLength) {
  DocFixture f;
  f.doc.OnNewDocument(VLT("C:\\VL"));
  const String path = VLT("C:\\") + String(297, VLT('p'));
  f.sources.AddTail(MakeSource(path, 7));
  ByteBuilder expected = DefaultSettingsBlock(VLT("C:\\VL\\Backup"));
  test::NewSourceClassTag(expected.Raw({0x01, 0x00}));
  expected.U32(7).Raw({0xFF, 0xFE, 0xFF, 0xFF, 0x2C, 0x01}).Units(path).U32(1);
  EXPECT_EQ(StoreBackupSet(f.doc), expected.Bytes());
}

// Slots 8, 9 and 10 hold 1 (reserved), 2 (real time) and 1 (switched on).
TEST(BackupSetFormat, ModeIsReadBeforeTheSwitch) {
  ByteBuilder bytes;
  bytes.ShortString(VLT("\\\\10.0.0.5\\share\\Backup"));
  for (int slot = 2; slot <= 7; ++slot) bytes.ShortString(VLT(""));
  bytes.U32(1).U32(2).U32(1).ShortString(VLT("10")).ShortString(VLT("4")).U32(0).U32(0);
  for (int slot = 15; slot <= 19; ++slot) bytes.ShortString(VLT(""));
  bytes.U32(0).ShortString(VLT("")).Raw({0x00, 0x00});
  DocFixture f;
  String message;
  ASSERT_TRUE(f.Parse(bytes.Bytes(), message));
  EXPECT_EQ(f.doc.m_settings.m_nBackupMode, 2);
  EXPECT_EQ(f.doc.m_settings.m_bAutoBackup, 1);
}

// Every slot holds a different value, so a slot read into the wrong member shows up.
TEST(BackupSetFormat, EverySlotIsWrittenBackByteForByte) {
  ByteBuilder bytes;
  bytes.ShortString(VLT("T:\\target"));
  bytes.ShortString(VLT("r2")).ShortString(VLT("r3")).ShortString(VLT("r4")).ShortString(VLT("r5"));
  bytes.ShortString(VLT("OK")).ShortString(VLT("r7"));
  bytes.U32(0x08080808).U32(1).U32(1).ShortString(VLT("120")).ShortString(VLT("24"));
  bytes.U32(1).U32(0x0A000005);
  bytes.ShortString(VLT("share")).ShortString(VLT("admin")).ShortString(VLT("secret"));
  bytes.ShortString(VLT("r18")).ShortString(VLT("r19")).U32(0xFFFFFFEC).ShortString(VLT("r21"));
  test::SourceRecord(test::NewSourceClassTag(bytes.Raw({0x01, 0x00})), 5, VLT("C:\\x"), 1);
  DocFixture f;
  String message;
  ASSERT_TRUE(f.Parse(bytes.Bytes(), message));
  const CSettings& s = f.doc.m_settings;
  EXPECT_EQ(s.m_strAutoConnect, VLT("OK"));
  EXPECT_EQ(s.reserved8, 0x08080808);
  EXPECT_EQ(s.m_strIdleTime, VLT("120"));
  EXPECT_EQ(s.m_strPeriod, VLT("24"));
  EXPECT_EQ(s.m_nHistoryMode, 1);
  EXPECT_EQ(s.m_dwNasAddress, 0x0A000005u);
  EXPECT_EQ(s.m_strNasPassword, VLT("secret"));
  EXPECT_EQ(s.reserved20, -20);
  EXPECT_EQ(s.reserved21, VLT("r21"));
  EXPECT_EQ(StoreBackupSet(f.doc), bytes.Bytes());
}

TEST(BackupSetFormat, StringsWithoutTheMarkerAreDecodedAndWrittenBackAsUnicode) {
  ByteBuilder bytes;
  bytes.Raw({0x04}).Ascii("T:\\\xC4");  // 8-bit backup path
  for (int slot = 2; slot <= 7; ++slot) bytes.Raw({0x00});
  bytes.U32(1).U32(0).U32(0).Raw({0x02}).Ascii("10").Raw({0x01}).Ascii("4").U32(0).U32(0);
  for (int slot = 15; slot <= 19; ++slot) bytes.Raw({0x00});
  bytes.U32(0).Raw({0x00});
  test::NewSourceClassTag(bytes.Raw({0x01, 0x00})).U32(9).Raw({0x03}).Ascii("D:\\").U32(1);

  const auto upperCase = [](const std::string& text) {
    String decoded;
    for (const char c : text) decoded.push_back(static_cast<Char>(c == '\xC4' ? 0x0414 : c));
    return decoded;
  };
  DocFixture f;
  String message;
  ASSERT_TRUE(f.Parse(bytes.Bytes(), message, upperCase));
  const Char backupPath[] = {'T', ':', '\\', 0x0414, 0};
  EXPECT_EQ(f.doc.m_settings.m_strBackupPath, backupPath);
  EXPECT_EQ(f.doc.m_settings.m_strIdleTime, VLT("10"));
  ASSERT_EQ(f.sources.GetCount(), 1u);
  EXPECT_EQ(f.sources.GetAt(0).path, VLT("D:\\"));

  ByteBuilder rewritten = DefaultSettingsBlock(backupPath);
  test::SourceRecord(test::NewSourceClassTag(rewritten.Raw({0x01, 0x00})), 9, VLT("D:\\"), 1);
  EXPECT_EQ(StoreBackupSet(f.doc), rewritten.Bytes());
}

TEST(BackupSetFormat, NullElementsAreDroppedFromTheList) {
  ByteBuilder bytes = DefaultSettingsBlock(VLT("C:\\B"));
  bytes.Raw({0x03, 0x00, 0x00, 0x00});
  test::SourceRecord(test::NewSourceClassTag(bytes), 1, VLT("C:\\a"), 1);
  test::SourceRecord(bytes.Raw({0x01, 0x80}), 2, VLT("C:\\b"), 1);
  DocFixture f;
  String message;
  ASSERT_TRUE(f.Parse(bytes.Bytes(), message));
  ASSERT_EQ(f.sources.GetCount(), 2u);
  EXPECT_EQ(f.sources.GetAt(0).path, VLT("C:\\a"));
  EXPECT_EQ(f.sources.GetAt(1).path, VLT("C:\\b"));
}

TEST(BackupSetFormat, LoadingReplacesTheSettingsAndAppendsTheItems) {
  DocFixture f;
  f.doc.OnNewDocument(VLT("C:\\Old"));
  f.sources.AddTail(MakeSource(VLT("C:\\kept"), 1));
  ByteBuilder bytes = DefaultSettingsBlock(VLT("C:\\New\\Backup"));
  test::SourceRecord(test::NewSourceClassTag(bytes.Raw({0x01, 0x00})), 2, VLT("C:\\added"), 1);
  String message;
  ASSERT_TRUE(f.Parse(bytes.Bytes(), message));
  EXPECT_EQ(f.doc.m_settings.m_strBackupPath, VLT("C:\\New\\Backup"));
  ASSERT_EQ(f.sources.GetCount(), 2u);
  EXPECT_EQ(f.sources.GetAt(0).path, VLT("C:\\kept"));
  EXPECT_EQ(f.sources.GetAt(1).path, VLT("C:\\added"));
}

}  // namespace
}  // namespace vl
