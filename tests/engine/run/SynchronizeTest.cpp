// Deletions of a synchronizing run and the tree removal behind them.
#include "client/engine/TreeRemoval.h"

#include <gtest/gtest.h>

#include "tests/engine/run/RunFixture.h"

namespace vl::test {
namespace {

using SynchronizeTest = RunFixture;

TEST_F(SynchronizeTest, TargetOnlyFilesFoldersAndHistoryGo) {
  fs.AddFile(VLT("C:\\Data\\kept.txt"), 4, kOld);
  fs.AddFile(VLT("T:\\B\\Data\\kept.txt"), 4, kOld);
  fs.AddFile(VLT("T:\\B\\Data\\extra.txt"), 10, kOld);
  fs.AddFile(VLT("T:\\B\\Data\\Old\\deep\\x.txt"), 20, kOld);
  fs.AddFile(VLT("T:\\B\\Data\\_VLHistory\\kept_VL20140101000000.txt"), 30, kOld);
  AddItem(VLT("C:\\Data"));
  State().synchronize = true;

  EXPECT_EQ(Run(), DONE_OK);
  EXPECT_EQ(CountsOf(Stats()), (ExecutionCounts{0, 0, 0, 2, 1, 0}));
  EXPECT_EQ(Stats().totalBytes, 60);
  EXPECT_EQ(Stats().doneBytes, 60);
  EXPECT_TRUE(fs.Exists(VLT("T:\\B\\Data\\kept.txt")));
  EXPECT_FALSE(fs.Exists(VLT("T:\\B\\Data\\extra.txt")));
  EXPECT_FALSE(fs.Exists(VLT("T:\\B\\Data\\Old")));
  EXPECT_FALSE(fs.Exists(VLT("T:\\B\\Data\\_VLHistory")));
}

TEST_F(SynchronizeTest, WithoutTheFlagNothingIsDeleted) {
  fs.AddFile(VLT("C:\\Data\\kept.txt"), 4, kOld);
  fs.AddFile(VLT("T:\\B\\Data\\kept.txt"), 4, kOld);
  fs.AddFile(VLT("T:\\B\\Data\\extra.txt"), 10, kOld);
  fs.AddFile(VLT("T:\\B\\Data\\_VLHistory\\kept_VL20140101000000.txt"), 30, kOld);
  AddItem(VLT("C:\\Data"));
  EXPECT_EQ(Run(), DONE_NOTHING);
  EXPECT_TRUE(fs.Exists(VLT("T:\\B\\Data\\extra.txt")));
  EXPECT_TRUE(fs.Exists(VLT("T:\\B\\Data\\_VLHistory")));
}

TEST_F(SynchronizeTest, AReadOnlyFileKeepsItsFolderAndIsReportedUnderTheSourcePath) {
  fs.AddFolder(VLT("C:\\Data"));
  fs.AddFile(VLT("T:\\B\\Data\\Old\\a.txt"), 1, kOld);
  fs.AddFile(VLT("T:\\B\\Data\\Old\\locked.txt"), 2, kOld);
  fs.AddFile(VLT("T:\\B\\Data\\Old\\z.txt"), 3, kOld);
  fs.SetRawAttributes(VLT("T:\\B\\Data\\Old\\locked.txt"), kAttrReadOnly);
  AddItem(VLT("C:\\Data"));
  State().synchronize = true;

  EXPECT_EQ(Run(), DONE_OK);
  EXPECT_EQ(Errors(),
            (std::vector<ErrorRecord>{Error(VLT("C:\\Data\\Old"), IDS_ERROR_DELETE_FOLDER)}));
  EXPECT_EQ(CountsOf(Stats()), (ExecutionCounts{0, 0, 0, 0, 0, 1}));
  EXPECT_EQ(Stats().doneBytes, 6);
  EXPECT_FALSE(fs.Exists(VLT("T:\\B\\Data\\Old\\a.txt"))) << "what went before stays deleted";
  EXPECT_TRUE(fs.Exists(VLT("T:\\B\\Data\\Old\\locked.txt")));
  EXPECT_TRUE(fs.Exists(VLT("T:\\B\\Data\\Old\\z.txt")));
}

TEST_F(SynchronizeTest, AFileThatCannotBeDeletedIsReportedUnderTheSourcePath) {
  fs.AddFolder(VLT("C:\\Data"));
  fs.AddFile(VLT("T:\\B\\Data\\extra.txt"), 10, kOld);
  fs.SetLocked(VLT("T:\\B\\Data\\extra.txt"), true);
  AddItem(VLT("C:\\Data"));
  State().synchronize = true;

  EXPECT_EQ(Run(), DONE_OK);
  EXPECT_EQ(Errors(), (std::vector<ErrorRecord>{
                          Error(VLT("C:\\Data\\extra.txt"), IDS_ERROR_DELETE_FILE)}));
  EXPECT_EQ(Stats().doneBytes, 10);
  EXPECT_EQ(Stats().deletedFiles, 0);
}

class DeleteTreeTest : public RunFixture {
 protected:
  DeleteTreeTest() {
    fs.AddFile(VLT("T:\\X\\a.txt"), 1, kOld);
    fs.AddFile(VLT("T:\\X\\sub\\b.txt"), 1, kOld);
  }
};

TEST_F(DeleteTreeTest, RemovesEverythingBelowAndTheFolderWhenAsked) {
  EXPECT_TRUE(DeleteTree(fs, State(), VLT("T:\\X"), false));
  EXPECT_TRUE(fs.Exists(VLT("T:\\X")));
  EXPECT_FALSE(fs.Exists(VLT("T:\\X\\sub")));
  EXPECT_TRUE(DeleteTree(fs, State(), VLT("T:\\X"), true));
  EXPECT_FALSE(fs.Exists(VLT("T:\\X")));
}

TEST_F(DeleteTreeTest, AnEmptyFolderGoesAndOneThatCannotBeListedFailsWithItsCode) {
  fs.AddFolder(VLT("T:\\Empty"));
  EXPECT_TRUE(DeleteTree(fs, State(), VLT("T:\\Empty"), true));
  EXPECT_TRUE(DeleteTree(fs, State(), VLT("T:\\Missing"), false).Missing());
  fs.InjectFailure(FakeOp::List, VLT("T:\\X\\sub"), kSysAccessDenied);
  const FsResult denied = DeleteTree(fs, State(), VLT("T:\\X"), true);
  EXPECT_EQ(denied.systemCode, kSysAccessDenied);
  EXPECT_TRUE(fs.Exists(VLT("T:\\X\\sub\\b.txt"))) << "an unread folder is never empty";
}

TEST_F(DeleteTreeTest, AReadOnlyFileDeepDownFailsTheWholeTree) {
  fs.SetRawAttributes(VLT("T:\\X\\sub\\b.txt"), kAttrReadOnly);
  EXPECT_FALSE(DeleteTree(fs, State(), VLT("T:\\X"), true));
  EXPECT_TRUE(fs.Exists(VLT("T:\\X\\sub\\b.txt")));
}

// The cancel is seen at the next entry, and the result says cancelled, never success.
TEST_F(DeleteTreeTest, ACancelledRunStopsAtTheNextEntryAndSaysSo) {
  fs.beforeChange = [this](FakeOp op, const String&) {
    if (op == FakeOp::RemoveFile) State().cancelRequested = true;
  };
  const FsResult removed = DeleteTree(fs, State(), VLT("T:\\X"), true);
  EXPECT_EQ(removed.error, FsError::Cancelled);
  EXPECT_TRUE(fs.Exists(VLT("T:\\X")));
  EXPECT_EQ(fs.Exists(VLT("T:\\X\\a.txt")) + fs.Exists(VLT("T:\\X\\sub\\b.txt")), 1)
      << "one file went before the cancel was seen";
}

}  // namespace
}  // namespace vl::test
