#include "client/engine/History.h"

#include <gtest/gtest.h>

#include "tests/support/FakeClock.h"
#include "tests/support/FakeFileSystem.h"

namespace vl {
namespace {

using test::FakeClock;
using test::FakeFileSystem;
using test::FakeOp;

class HistoryTest : public ::testing::Test {
 protected:
  HistoryTest() {
    fs.AddVolume(VLT("D:\\"), 1, VLT("NTFS"));
    fs.AddVolume(VLT("F:\\"), 2, VLT("FAT32"));
    fs.AddVolume(VLT("\\\\nas\\share"), 3, VLT("NTFS"));
    fs.AddFolder(VLT("D:\\Reports"));
    clock.now = LocalTime{2014, 3, 5, 9, 7, 2};
  }

  // Where the file at targetPath (made here when missing) goes when it is replaced.
  String HistoryOf(const String& targetPath) {
    if (!fs.Exists(targetPath)) fs.AddFile(targetPath, 1, 0);
    const HistoryMove move = MoveToHistory(fs, clock, targetPath);
    EXPECT_TRUE(move.result.Ok());
    EXPECT_FALSE(fs.Exists(targetPath));
    return move.historyPath;
  }

  FakeFileSystem fs;
  FakeClock clock;
};

TEST_F(HistoryTest, StampGoesBeforeTheLastExtension) {
  EXPECT_EQ(HistoryOf(VLT("D:\\Reports\\q1.xls")),
            VLT("D:\\Reports\\_VLHistory\\q1_VL20140305090702.xls"));
  EXPECT_EQ(HistoryOf(VLT("D:\\Reports\\Makefile")),
            VLT("D:\\Reports\\_VLHistory\\Makefile_VL20140305090702"));
  EXPECT_EQ(HistoryOf(VLT("D:\\Reports\\archive.tar.gz")),
            VLT("D:\\Reports\\_VLHistory\\archive.tar_VL20140305090702.gz"));
  EXPECT_EQ(HistoryOf(VLT("D:\\Reports\\.profile")),
            VLT("D:\\Reports\\_VLHistory\\_VL20140305090702.profile"));
}

TEST_F(HistoryTest, CreatesTheHistoryFolderBesideTheFile) {
  HistoryOf(VLT("D:\\Reports\\q1.xls"));
  FileStatus status;
  ASSERT_TRUE(fs.GetStatus(VLT("D:\\Reports\\_VLHistory"), status));
  EXPECT_TRUE(status.IsFolder());
}

TEST_F(HistoryTest, AnExistingHistoryFolderIsReused) {
  fs.AddFolder(VLT("D:\\Reports\\_vlhistory"));
  EXPECT_EQ(HistoryOf(VLT("D:\\Reports\\q1.xls")),
            VLT("D:\\Reports\\_VLHistory\\q1_VL20140305090702.xls"));
  std::vector<FolderEntry> entries;
  fs.ListFolder(VLT("D:\\Reports"), entries);
  EXPECT_EQ(entries.size(), 1u);
}

TEST_F(HistoryTest, AFileInADriveRootGetsTheRootsHistoryFolder) {
  EXPECT_EQ(HistoryOf(VLT("F:\\q1.xls")), VLT("F:\\_VLHistory\\q1_VL20140305090702.xls"));
  EXPECT_TRUE(fs.Exists(VLT("F:\\_VLHistory")));
}

TEST_F(HistoryTest, AFileOnAShareKeepsItsHistoryOnTheShare) {
  fs.AddFolder(VLT("\\\\nas\\share\\Backup"));
  EXPECT_EQ(HistoryOf(VLT("\\\\nas\\share\\Backup\\r.doc")),
            VLT("\\\\nas\\share\\Backup\\_VLHistory\\r_VL20140305090702.doc"));
}

TEST_F(HistoryTest, ReplacementsOneSecondApartGetDifferentNames) {
  const String first = HistoryOf(VLT("D:\\Reports\\q1.xls"));
  clock.now.second = 3;
  const String second = HistoryOf(VLT("D:\\Reports\\q1.xls"));
  EXPECT_NE(first, second);
  EXPECT_EQ(second, VLT("D:\\Reports\\_VLHistory\\q1_VL20140305090703.xls"));
}

TEST_F(HistoryTest, AFolderThatCannotBeCreatedIsReportedAsSuchAndTheFileStays) {
  fs.AddFile(VLT("D:\\Reports\\q1.xls"), 1, 0);
  fs.InjectFailure(FakeOp::CreateFolder, VLT("D:\\Reports\\_VLHistory"), kSysAccessDenied);
  const HistoryMove move = MoveToHistory(fs, clock, VLT("D:\\Reports\\q1.xls"));
  EXPECT_TRUE(move.folderFailed);
  EXPECT_EQ(move.result.systemCode, kSysAccessDenied);
  EXPECT_EQ(move.folder, VLT("D:\\Reports\\_VLHistory"));
  EXPECT_TRUE(fs.Exists(VLT("D:\\Reports\\q1.xls")));
}

TEST_F(HistoryTest, ANameTheSameSecondTookGetsTheNextFreeNumber) {
  EXPECT_EQ(HistoryOf(VLT("D:\\Reports\\q1.xls")),
            VLT("D:\\Reports\\_VLHistory\\q1_VL20140305090702.xls"));
  EXPECT_EQ(HistoryOf(VLT("D:\\Reports\\q1.xls")),
            VLT("D:\\Reports\\_VLHistory\\q1_VL20140305090702_2.xls"));
  EXPECT_EQ(HistoryOf(VLT("D:\\Reports\\Makefile")),
            VLT("D:\\Reports\\_VLHistory\\Makefile_VL20140305090702"));
  EXPECT_EQ(HistoryOf(VLT("D:\\Reports\\Makefile")),
            VLT("D:\\Reports\\_VLHistory\\Makefile_VL20140305090702_2"));
}

TEST(HistoryStamp, PadsEveryFieldToItsWidth) {
  EXPECT_EQ(HistoryStamp(LocalTime{987, 1, 2, 3, 4, 5}), VLT("09870102030405"));
  EXPECT_EQ(HistoryStamp(LocalTime{2024, 12, 31, 23, 59, 59}), VLT("20241231235959"));
}

TEST(HistoryFolderName, MatchesInAnyCase) {
  EXPECT_TRUE(IsHistoryFolderName(VLT("_vlHISTORY")));
  EXPECT_FALSE(IsHistoryFolderName(VLT("_VLHistory2")));
}

}  // namespace
}  // namespace vl
