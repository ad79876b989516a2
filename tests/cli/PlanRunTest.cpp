// The plan's run over the items of a set, on the fake file system.
#include "client/cli/PlanRun.h"

#include <gtest/gtest.h>

#include "client/engine/BackupEngine.h"
#include "client/engine/TextProvider.h"
#include "client/model/Settings.h"
#include "client/model/SourceList.h"
#include "tests/support/FakeClock.h"
#include "tests/support/FakeFileSystem.h"
#include "tests/support/JobTreeText.h"
#include "tests/support/RecordingProgressView.h"

namespace vl::test {
namespace {

constexpr int64_t kWritten = 1'394'010'422;

class PlanRunTest : public ::testing::Test {
 protected:
  PlanRunTest() : engine(fs, texts, view, clock) {
    fs.AddVolume(VLT("C:\\"), 1, VLT("NTFS"));
    fs.AddVolume(VLT("E:\\"), 2, VLT("FAT32"));
    fs.AddVolume(VLT("T:\\"), 3, VLT("NTFS"));
    fs.AddFolder(VLT("T:\\B"));
  }

  void AddItem(const String& path) {
    auto item = std::make_unique<CSource>();
    item->path = path;
    items.AddTail(std::move(item));
  }

  std::string Plan(bool synchronize) {
    PlanItems(engine, items, VLT("T:\\B"), synchronize);
    return JobTreeText(engine.State().jobList);
  }

  FakeFileSystem fs;
  EnglishTexts texts;
  RecordingProgressView view;
  FakeClock clock;
  CBackupEngine engine;
  CSourceList items;
};

// A root's contents would go straight into the target folder beside the other items' copies,
// so the root after them is refused with an error record instead of being merged with them.
TEST_F(PlanRunTest, EveryExistingItemIsAnalysedInListOrderAndMissingOnesSkipped) {
  fs.AddFile(VLT("C:\\Docs\\a.txt"), 5, kWritten);
  fs.AddFile(VLT("C:\\q.xls"), 7, kWritten);
  fs.AddFile(VLT("E:\\p.jpg"), 9, kWritten);
  fs.AddFile(VLT("T:\\B\\Gone\\kept.txt"), 3, kWritten);
  AddItem(VLT("C:\\Docs"));
  AddItem(VLT("C:\\Gone"));
  AddItem(VLT("C:\\q.xls"));
  AddItem(VLT("E:\\"));
  EXPECT_EQ(Plan(false),
            "CREATE_FOLDER D new \"Docs\" 0 C:\\Docs > T:\\B\\Docs\n"
            "  NEW_FILE F new \"a.txt\" 5 C:\\Docs\\a.txt > T:\\B\\Docs\\a.txt\n"
            "NEW_FILE F new \"q.xls\" 7 C:\\q.xls > T:\\B\\q.xls\n");
  EXPECT_EQ(view.statuses,
            (std::vector<String>{VLT("Analyzing : Docs"), VLT("Analyzing : q.xls")}));
  ASSERT_EQ(engine.State().errorList.size(), 1u);
  EXPECT_EQ(engine.State().errorList[0]->path, VLT("E:\\"));
  EXPECT_EQ(engine.State().errorList[0]->message, texts.Text(IDS_ERROR_SAME_TARGET));
  EXPECT_EQ(items.GetAt(0).targetFolder, VLT("T:\\B"));
}

TEST_F(PlanRunTest, SynchronizingPlansDeletionsButNeverForAMissingItem) {
  fs.AddFile(VLT("C:\\Docs\\a.txt"), 5, kWritten);
  fs.AddFile(VLT("T:\\B\\Docs\\a.txt"), 5, kWritten);
  fs.AddFile(VLT("T:\\B\\Docs\\old.txt"), 4, kWritten);
  fs.AddFile(VLT("T:\\B\\Gone\\kept.txt"), 3, kWritten);
  AddItem(VLT("C:\\Docs"));
  AddItem(VLT("C:\\Gone"));
  EXPECT_EQ(Plan(true),
            "EXISTING_FOLDER D old \"Docs\" 0 C:\\Docs > T:\\B\\Docs\n"
            "  DELETE_FILE F new \"old.txt\" 4 C:\\Docs\\old.txt > T:\\B\\Docs\\old.txt\n");
  EXPECT_EQ(engine.State().stats.totalBytes, 4);
  EXPECT_EQ(items.GetAt(0).mirror, 0) << "the flag holds for one run only";
}

TEST_F(PlanRunTest, AnEarlierPlanIsReplacedAndACancelledRunPlansNoFurtherItem) {
  fs.AddFile(VLT("C:\\Docs\\a.txt"), 5, kWritten);
  AddItem(VLT("C:\\Docs"));
  Plan(false);
  engine.State().cancelRequested = true;
  EXPECT_EQ(Plan(false), "");
}

TEST(PlanTargetFolder, IsTheBackupFolderOrTheDataFoldersBackup) {
  CSettings settings;
  EXPECT_EQ(PlanTargetFolder(settings, VLT("C:\\VL")), VLT("C:\\VL\\Backup"));
  settings.m_strBackupPath = VLT("\\\\nas\\share\\Backup");
  EXPECT_EQ(PlanTargetFolder(settings, VLT("C:\\VL")), VLT("\\\\nas\\share\\Backup"));
}

}  // namespace
}  // namespace vl::test
