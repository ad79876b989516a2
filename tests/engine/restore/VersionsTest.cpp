// Finding the kept versions of a source path: where a run put its copy, which names in the
// history folder are versions of it, and in which order they come.
#include <gtest/gtest.h>

#include "core/text/Utf.h"
#include "tests/engine/restore/RestoreFixture.h"

namespace vl::test {
namespace {

class VersionsTest : public RestoreFixture {};

TEST_F(VersionsTest, ASourcePathMapsWhereARunPutsItsCopyOrIsRefused) {
  struct Case {
    const Char* source;
    const Char* target;
    TextId refusal;
  } const cases[] = {
      {VLT("C:\\Docs\\a.txt"), VLT("T:\\B\\Docs\\a.txt"), 0},
      {VLT("c:/DOCS/./sub/../a.txt"), VLT("T:\\B\\Docs\\a.txt"), 0},
      {VLT("C:\\Docs"), VLT("T:\\B\\Docs"), 0},
      {VLT("F:\\Photos\\x.jpg"), VLT("T:\\B\\Photos\\x.jpg"), 0},  // the disk's letter now
      {VLT("E:\\Photos\\x.jpg"), VLT("T:\\B\\Photos\\x.jpg"), 0},  // the letter it had
      {VLT("C:\\Docsier\\a.txt"), nullptr, IDS_RESTORE_NOT_BELOW_ITEM},
      {VLT("C:\\Docs\\_vlhistory\\a_VL20261208143000.txt"), nullptr, IDS_RESTORE_HISTORY_PATH},
      {VLT("T:\\B\\Docs\\a.txt"), nullptr, IDS_RESTORE_IN_TARGET},
  };
  for (const Case& c : cases) {
    AddItems();
    const VersionList list = Find(c.source);
    EXPECT_EQ(list.refusal, c.refusal) << ToUtf8(c.source);
    if (c.target != nullptr) {
      EXPECT_EQ(list.targetPath, String(c.target)) << ToUtf8(c.source);
    }
  }
}

TEST_F(VersionsTest, OnlyTrueHistoryNamesOfTheFileAreItsVersions) {
  struct Case {
    const Char* name;
    bool listed;
  } const cases[] = {
      {VLT("report_VL20261208143000.txt"), true},
      {VLT("REPORT_vl20261208143000.TXT"), true},
      {VLT("report_VL20261208143000_2.txt"), true},
      {VLT("report_VL2026120814300.txt"), false},    // 13 digits
      {VLT("report_VL202612081430000.txt"), false},  // 15 digits
      {VLT("report_VL20261308143000.txt"), false},   // month 13
      {VLT("report_VL20250229143000.txt"), false},   // no leap day that year
      {VLT("report_VL20261208246000.txt"), false},   // hour 24
      {VLT("report_VL20261208143000_1.txt"), false},
      {VLT("report_VL20261208143000_02.txt"), false},
      {VLT("report_VL20261208143000.txt.~vlpart"), false},
      {VLT("report_VL20261208143000"), false},       // another file, without the extension
      {VLT("report.txt_VL20261208143000"), false},
      {VLT("other_VL20261208143000.txt"), false},
  };
  for (const Case& c : cases) {
    FakeFileSystem fresh;
    fresh.AddVolume(VLT("T:\\"), 0x7070, VLT("NTFS"));
    fresh.AddFile(VLT("T:\\B\\Docs\\_VLHistory\\") + String(c.name), 1, kBackedUp);
    std::vector<FileVersion> versions;
    ASSERT_TRUE(ListFileVersions(fresh, VLT("T:\\B\\Docs\\report.txt"), versions));
    EXPECT_EQ(versions.size(), c.listed ? 1u : 0u) << ToUtf8(c.name);
  }
}

TEST_F(VersionsTest, AFileWithoutExtensionHasItsVersionsToo) {
  fs.AddFile(VLT("T:\\B\\Docs\\Makefile"), 3, kBackedUp);
  fs.AddFile(VLT("T:\\B\\Docs\\_VLHistory\\Makefile_VL20261201080000"), 2, kBackedUp - 9);
  fs.AddFile(VLT("T:\\B\\Docs\\_VLHistory\\Makefile_VL20261201080000.bak"), 2, kBackedUp);
  const VersionList list = Find(VLT("C:\\Docs\\Makefile"));
  ASSERT_EQ(list.versions.size(), 2u);
  EXPECT_EQ(list.versions[1].stamp, VLT("20261201080000"));
  EXPECT_EQ(list.versions[1].lastWriteTime, kBackedUp - 9);
}

TEST_F(VersionsTest, TheCurrentCopyComesFirstThenHistoryNewestFirst) {
  const String history = VLT("T:\\B\\Photos\\_VLHistory\\");
  fs.AddFile(VLT("T:\\B\\Photos\\x.jpg"), 40, kBackedUp);
  fs.AddFile(history + VLT("x_VL20261101000000.jpg"), 10, kBackedUp - 300);
  fs.AddFile(history + VLT("x_VL20261201000000_2.jpg"), 30, kBackedUp - 100);
  fs.AddFile(history + VLT("X_VL20261201000000.JPG"), 20, kBackedUp - 200);
  const VersionList list = Find(VLT("E:\\Photos\\x.jpg"));
  ASSERT_TRUE(list.Ok());
  ASSERT_EQ(list.versions.size(), 4u);
  EXPECT_TRUE(list.versions[0].current);
  const uint64_t sizes[] = {40, 30, 20, 10};
  for (size_t i = 0; i < 4; ++i) EXPECT_EQ(list.versions[i].size, sizes[i]) << i;
  EXPECT_EQ(FindVersionByStamp(list, VLT("20261201000000_2")), &list.versions[1]);
  EXPECT_EQ(FindVersionByStamp(list, VLT("current")), &list.versions[0]);
  EXPECT_EQ(FindVersionByStamp(list, VLT("20261201000001")), nullptr);
}

TEST_F(VersionsTest, AFolderListsItsCurrentCopyAndAnUnreadableTargetIsNoEmptyList) {
  fs.AddFile(VLT("T:\\B\\Docs\\Sub\\_VLHistory\\Sub_VL20261201000000"), 1, kBackedUp);
  fs.AddFile(VLT("T:\\B\\Docs\\Sub\\a.txt"), 1, kBackedUp);
  const VersionList folder = Find(VLT("C:\\Docs\\Sub"));
  EXPECT_TRUE(folder.isFolder);
  ASSERT_EQ(folder.versions.size(), 1u);
  EXPECT_TRUE(folder.versions[0].current);

  fs.InjectFailure(FakeOp::List, VLT("T:\\B\\Docs\\_VLHistory"), kSysAccessDenied);
  fs.AddFolder(VLT("T:\\B\\Docs\\_VLHistory"));
  const VersionList unread = Find(VLT("C:\\Docs\\a.txt"));
  EXPECT_FALSE(unread.Ok());
  EXPECT_EQ(unread.result.error, FsError::AccessDenied);
}

}  // namespace
}  // namespace vl::test
