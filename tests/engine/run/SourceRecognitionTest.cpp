// Finding items on this computer by their volume's serial number, adding items, and the
// backup target's check.
#include "client/engine/SourceRecognition.h"

#include <gtest/gtest.h>

#include "client/engine/RunState.h"
#include "client/engine/SourceRegistration.h"
#include "client/engine/TargetCheck.h"
#include "client/model/Settings.h"
#include "client/model/SourceList.h"
#include "core/text/Utf.h"
#include "tests/support/FakeFileSystem.h"

namespace vl::test {
namespace {

constexpr uint32_t kUsbSerial = 0xE0E0;

class RecognitionTest : public ::testing::Test {
 protected:
  RecognitionTest() {
    fs.AddVolume(VLT("C:\\"), 0xC0C0, VLT("NTFS"));
    fs.AddVolume(VLT("\\\\nas\\share"), 0x5151, VLT("NTFS"));
    fs.AddFolder(VLT("C:\\Work"));
    fs.AddFolder(VLT("\\\\nas\\share\\Docs"));
  }

  CSource Item(const String& path, uint32_t serial) {
    CSource item;
    item.path = path;
    item.volumeSerial = serial;
    return item;
  }

  bool Recognize(CSource& item) { return RecognizeSource(item, fs, fs); }

  FakeFileSystem fs;
};

TEST_F(RecognitionTest, TheVolumeRootOfEachPathForm) {
  EXPECT_EQ(VolumeRootOf(VLT("D:\\Work\\Docs")), VLT("D:\\"));
  EXPECT_EQ(VolumeRootOf(VLT("d:")), VLT("d:\\"));
  EXPECT_EQ(VolumeRootOf(VLT("\\\\nas\\share\\Docs\\x")), VLT("\\\\nas\\share\\"));
  EXPECT_EQ(VolumeRootOf(VLT("\\\\nas\\share\\")), VLT("\\\\nas\\share\\"));
  EXPECT_EQ(VolumeRootOf(VLT("\\\\nas\\share")), VLT("\\\\nas\\share\\"));
  EXPECT_EQ(VolumeRootOf(VLT("\\\\nas")), VLT("\\\\nas\\"));
  EXPECT_EQ(VolumeRootOf(VLT("")), VLT(""));
}

TEST_F(RecognitionTest, WithoutASerialNumberTheItemIsHereWhenItsPathExists) {
  CSource present = Item(VLT("C:\\Work"), 0);
  CSource missing = Item(VLT("C:\\Gone"), 0);
  EXPECT_TRUE(Recognize(present));
  EXPECT_EQ(present.recognized, 1);
  EXPECT_FALSE(Recognize(missing));
  EXPECT_EQ(missing.recognized, 0);
}

TEST_F(RecognitionTest, AnItemOnItsOwnVolumeNeedsNoSearch) {
  CSource item = Item(VLT("C:\\Work"), 0xC0C0);
  fs.SetDeviceOpens(VLT('C'), false);
  EXPECT_TRUE(Recognize(item));
  EXPECT_EQ(item.path, VLT("C:\\Work"));
}

TEST_F(RecognitionTest, ADiskThatMovedToAnotherLetterIsFoundThere) {
  fs.AddVolume(VLT("F:\\"), kUsbSerial, VLT("FAT32"));
  fs.AddFolder(VLT("F:\\Photos\\2014"));
  CSource item = Item(VLT("E:\\Photos\\2014"), kUsbSerial);
  EXPECT_TRUE(Recognize(item));
  EXPECT_EQ(item.path, VLT("F:\\Photos\\2014"));
  EXPECT_EQ(item.recognized, 1);
  EXPECT_EQ(item.volumeSerial, kUsbSerial);
}

TEST_F(RecognitionTest, OnTheMovedDiskAMissingPathIsNotHereButTheLetterMoves) {
  fs.AddVolume(VLT("F:\\"), kUsbSerial, VLT("FAT32"));
  CSource item = Item(VLT("E:\\Photos"), kUsbSerial);
  EXPECT_FALSE(Recognize(item));
  EXPECT_EQ(item.path, VLT("F:\\Photos"));
}

TEST_F(RecognitionTest, WithTheDiskAbsentTheSamePathOnAnotherVolumeCounts) {
  fs.AddVolume(VLT("E:\\"), 0x1234, VLT("NTFS"));
  fs.AddFolder(VLT("E:\\Photos"));
  CSource here = Item(VLT("E:\\Photos"), kUsbSerial);
  CSource absent = Item(VLT("E:\\Music"), kUsbSerial);
  EXPECT_TRUE(Recognize(here));
  EXPECT_EQ(here.path, VLT("E:\\Photos"));
  EXPECT_FALSE(Recognize(absent));
  EXPECT_EQ(absent.volumeSerial, kUsbSerial) << "a drive item keeps its serial number";
}

TEST_F(RecognitionTest, TheSearchSkipsFloppyLettersAndDevicesThatDoNotOpen) {
  fs.AddVolume(VLT("A:\\"), kUsbSerial, VLT("FAT"));
  fs.AddFolder(VLT("A:\\Photos"));
  fs.AddVolume(VLT("G:\\"), kUsbSerial, VLT("FAT32"));
  fs.AddFolder(VLT("G:\\Photos"));
  fs.SetDeviceOpens(VLT('G'), false);
  CSource item = Item(VLT("E:\\Photos"), kUsbSerial);
  EXPECT_FALSE(Recognize(item));
  EXPECT_EQ(item.path, VLT("E:\\Photos"));
}

TEST_F(RecognitionTest, TheSearchGoesPastEmptyDrivesToTheFirstMatch) {
  fs.AddDriveWithoutVolume(VLT('D'));
  fs.AddVolume(VLT("H:\\"), kUsbSerial, VLT("FAT32"));
  fs.AddVolume(VLT("K:\\"), kUsbSerial, VLT("FAT32"));
  fs.AddFolder(VLT("H:\\Photos"));
  CSource item = Item(VLT("E:\\Photos"), kUsbSerial);
  EXPECT_TRUE(Recognize(item));
  EXPECT_EQ(item.path, VLT("H:\\Photos"));
}

TEST_F(RecognitionTest, AShareIsRecognisedByItsSerialNumberAlone) {
  CSource item = Item(VLT("\\\\nas\\share\\Docs"), 0x5151);
  CSource other = Item(VLT("\\\\nas\\share\\Docs"), 0x9999);
  CSource missingPath = Item(VLT("\\\\nas\\share\\Gone"), 0x5151);
  EXPECT_TRUE(Recognize(item));
  EXPECT_FALSE(Recognize(other));
  EXPECT_EQ(other.volumeSerial, 0x9999u);
  EXPECT_TRUE(Recognize(missingPath)) << "the path itself is not asked";
}

TEST_F(RecognitionTest, AnUnreachableShareFallsBackToExistenceFromThenOn) {
  CSource item = Item(VLT("\\\\other\\share\\Docs"), 0x5151);
  EXPECT_FALSE(Recognize(item));
  EXPECT_EQ(item.volumeSerial, 0u);
  fs.AddVolume(VLT("\\\\other\\share"), 0x7777, VLT("NTFS"));
  fs.AddFolder(VLT("\\\\other\\share\\Docs"));
  EXPECT_TRUE(Recognize(item)) << "a new volume's serial number no longer matters";
}

TEST_F(RecognitionTest, RecognizeAllCountsAndMarksEveryItem) {
  CSourceList items;
  items.AddTail(std::make_unique<CSource>(Item(VLT("C:\\Work"), 0xC0C0)));
  items.AddTail(std::make_unique<CSource>(Item(VLT("C:\\Gone"), 0xC0C0)));
  items.AddTail(std::make_unique<CSource>(Item(VLT("\\\\nas\\share\\Docs"), 0x5151)));
  EXPECT_EQ(RecognizeAll(items, fs, fs), 2u);
  EXPECT_EQ(items.GetAt(1).recognized, 0);
}

class AddSourceTest : public RecognitionTest {
 protected:
  AddSourceResult Add(const String& path, const String& target = VLT("T:\\B")) {
    return AddSourceItem(items, path, target, fs, run);
  }

  CSourceList items;
  CRunState run;
};

TEST_F(AddSourceTest, TheNewItemCarriesItsSerialNumberAndIsBackedUpNext) {
  fs.AddFolder(VLT("C:\\Other"));
  ASSERT_TRUE(Add(VLT("C:\\Work")).added);
  const AddSourceResult result = Add(VLT("\\\\nas\\share\\Docs"));
  ASSERT_TRUE(result.added);
  EXPECT_EQ(result.index, 1u);
  EXPECT_EQ(run.runItemIndex, 1);
  EXPECT_EQ(items.GetAt(0).volumeSerial, 0xC0C0u);
  EXPECT_EQ(items.GetAt(1).volumeSerial, 0x5151u);
  EXPECT_EQ(items.GetAt(1).recognized, 1);
}

TEST_F(AddSourceTest, TheSameFolderInOtherLetterCaseIsRefused) {
  ASSERT_TRUE(Add(VLT("C:\\Work")).added);
  run.runItemIndex = -1;
  EXPECT_FALSE(Add(VLT("c:\\WORK")).added);
  EXPECT_EQ(items.GetCount(), 1u);
  EXPECT_EQ(run.runItemIndex, -1);
}

// The same path on another disk is another item, but its copy would land in the same target
// folder as the first one's; so would any folder of the same name, and a root's contents.
TEST_F(AddSourceTest, AnItemWhoseCopyWouldShareATargetFolderIsRefused) {
  fs.AddFolder(VLT("C:\\home1\\Documents"));
  fs.AddFolder(VLT("C:\\home2\\DOCUMENTS"));
  ASSERT_TRUE(Add(VLT("C:\\Work")).added);
  ASSERT_TRUE(Add(VLT("C:\\home1\\Documents")).added);
  items.GetAt(0).volumeSerial = 0x1111;  // added when another disk was C:
  const struct {
    const Char* path;
    TextId refusal;
  } cases[] = {
      {VLT("C:\\Work"), IDS_MSG_SAME_TARGET},
      {VLT("C:\\home2\\DOCUMENTS"), IDS_MSG_SAME_TARGET},
      {VLT("C:\\"), IDS_MSG_SAME_TARGET},
      {VLT("T:\\B\\Inner"), IDS_MSG_TARGET_OVERLAP},
      {VLT("T:\\"), IDS_MSG_TARGET_OVERLAP},
  };
  for (const auto& c : cases) {
    const AddSourceResult result = Add(c.path);
    EXPECT_FALSE(result.added) << ToUtf8(c.path);
    EXPECT_EQ(result.refusal, c.refusal) << ToUtf8(c.path);
  }
  EXPECT_EQ(items.GetCount(), 2u);
}

TEST_F(AddSourceTest, AVolumeThatDoesNotAnswerGivesSerialZero) {
  EXPECT_TRUE(Add(VLT("Q:\\Stuff")).added);
  EXPECT_EQ(items.GetAt(0).volumeSerial, 0u);
  EXPECT_FALSE(Add(VLT("q:\\stuff")).added);
}

using TargetCheckTest = RecognitionTest;

TEST_F(TargetCheckTest, AnEmptyTargetBecomesTheDataFoldersBackup) {
  CSettings settings;
  EXPECT_TRUE(FillDefaultTarget(settings, VLT("C:\\Program Files\\Vaultline")));
  EXPECT_EQ(settings.m_strBackupPath, VLT("C:\\Program Files\\Vaultline\\Backup"));
  EXPECT_FALSE(FillDefaultTarget(settings, VLT("D:\\Elsewhere")));
  EXPECT_EQ(settings.m_strBackupPath, VLT("C:\\Program Files\\Vaultline\\Backup"));
}

TEST_F(TargetCheckTest, FoldersAndDriveRootsAreReachableWhenTheyAnswer) {
  EXPECT_TRUE(IsTargetReachable(fs, VLT("C:\\Work")));
  EXPECT_TRUE(IsTargetReachable(fs, VLT("\\\\nas\\share\\Docs")));
  EXPECT_FALSE(IsTargetReachable(fs, VLT("C:\\Missing")));
  EXPECT_TRUE(IsTargetReachable(fs, VLT("C:\\")));
  EXPECT_FALSE(IsTargetReachable(fs, VLT("F:\\"))) << "an absent removable disk";
}

}  // namespace
}  // namespace vl::test
