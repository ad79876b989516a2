// The run driver on the fake: what a run visits, what it counts and how it ends.
#include <gtest/gtest.h>

#include "client/engine/JobActions.h"
#include "tests/engine/run/RunFixture.h"

namespace vl::test {
namespace {

using BackupRunTest = RunFixture;

TEST_F(BackupRunTest, AFirstRunCopiesEverythingButHistoryAndCountsIt) {
  fs.AddFile(VLT("C:\\Data\\a.txt"), 100, kOld);
  fs.AddFile(VLT("C:\\Data\\sub\\b.txt"), 50, kOld);
  fs.AddFolder(VLT("C:\\Data\\empty"));
  fs.AddFile(VLT("C:\\Data\\_VLHistory\\a_VL20140101000000.txt"), 7, kOld);
  AddItem(VLT("C:\\Data"));
  fs.beforeChange = [this](FakeOp, const String&) { clock.utcSeconds = kRunStart + 65; };

  EXPECT_EQ(Run(), DONE_OK);

  EXPECT_EQ(CountsOf(Stats()), (ExecutionCounts{3, 2, 0, 0, 0, 0}));
  EXPECT_EQ(Stats().jobCount, 5);
  EXPECT_EQ(Stats().folderCount, 3);
  EXPECT_EQ(Stats().fileCount, 2);
  EXPECT_EQ(Stats().totalBytes, 150);
  EXPECT_EQ(Stats().doneBytes, 150);
  EXPECT_EQ(Stats().startTime, kRunStart);
  EXPECT_EQ(Stats().endTime, kRunStart + 65);
  EXPECT_TRUE(fs.Exists(VLT("T:\\B\\Data\\sub\\b.txt")));
  EXPECT_TRUE(fs.Exists(VLT("T:\\B\\Data\\empty")));
  EXPECT_FALSE(fs.Exists(VLT("T:\\B\\Data\\_VLHistory")));
  EXPECT_EQ(view.percents.back(), 100);
  EXPECT_EQ(view.statuses.back(), VLT("Backup: empty (100 %)"));
}

TEST_F(BackupRunTest, AnUnchangedRerunDoesNothing) {
  fs.AddFile(VLT("C:\\Data\\a.txt"), 100, kOld);
  AddItem(VLT("C:\\Data"));
  ASSERT_EQ(Run(), DONE_OK);
  EXPECT_EQ(Run(), DONE_NOTHING);
  EXPECT_EQ(CountsOf(Stats()), ExecutionCounts{});
  EXPECT_EQ(Stats().jobCount, 1) << "the existing folder is still a job";
  EXPECT_EQ(observer.codes, (std::vector<RunCompletion>{DONE_OK, DONE_NOTHING}));
}

TEST_F(BackupRunTest, ARunWhoseOnlyEventIsAnErrorEndsOk) {
  fs.AddFile(VLT("C:\\Data\\a.txt"), 10, kOld);
  fs.AddFile(VLT("C:\\Data\\sub\\b.txt"), 20, kOld);
  fs.InjectFailure(FakeOp::CreateFolder, VLT("T:\\B\\Data"), kSysAccessDenied);
  AddItem(VLT("C:\\Data"));

  EXPECT_EQ(Run(), DONE_OK);
  EXPECT_EQ(Errors(),
            (std::vector<ErrorRecord>{Error(VLT("T:\\B\\Data"), IDS_ERROR_CREATE_FOLDER)}));
  EXPECT_EQ(CountsOf(Stats()), (ExecutionCounts{0, 0, 0, 0, 0, 1}));
  EXPECT_EQ(Stats().doneBytes, 30) << "the folder's files count as done";
  EXPECT_FALSE(fs.Exists(VLT("T:\\B\\Data")));
  EXPECT_EQ(view.percents.back(), 100);
}

TEST_F(BackupRunTest, ItemsThatAreNotHereOrGoneAreLeftAlone) {
  fs.AddFile(VLT("T:\\B\\Gone\\kept.txt"), 5, kOld);
  fs.AddFile(VLT("T:\\B\\Away\\kept.txt"), 5, kOld);
  fs.AddFolder(VLT("C:\\Gone"));
  CSource& gone = AddItem(VLT("C:\\Gone"));
  fs.RemoveFolder(VLT("C:\\Gone"));
  CSource& away = AddItem(VLT("E:\\Away"));
  away.volumeSerial = 0xE0E0;  // a disk that is not plugged in
  State().synchronize = true;

  EXPECT_EQ(Run(), DONE_NOTHING);
  EXPECT_EQ(gone.recognized, 0);
  EXPECT_EQ(away.recognized, 0);
  EXPECT_TRUE(fs.Exists(VLT("T:\\B\\Gone\\kept.txt")));
  EXPECT_TRUE(fs.Exists(VLT("T:\\B\\Away\\kept.txt")));
  EXPECT_EQ(Stats().jobCount, 0);
}

TEST_F(BackupRunTest, TheItemIndexLimitsOneRunAndIsThenReset) {
  fs.AddFile(VLT("C:\\One\\a.txt"), 1, kOld);
  fs.AddFile(VLT("C:\\Two\\b.txt"), 1, kOld);
  AddItem(VLT("C:\\One"));
  AddItem(VLT("C:\\Two"));
  State().runItemIndex = 1;

  EXPECT_EQ(Run(), DONE_OK);
  EXPECT_FALSE(fs.Exists(VLT("T:\\B\\One")));
  EXPECT_TRUE(fs.Exists(VLT("T:\\B\\Two\\b.txt")));
  EXPECT_EQ(State().runItemIndex, -1);

  EXPECT_EQ(Run(), DONE_OK);
  EXPECT_TRUE(fs.Exists(VLT("T:\\B\\One\\a.txt")));
}

TEST_F(BackupRunTest, AnItemIndexPastTheListBacksUpNothing) {
  fs.AddFile(VLT("C:\\One\\a.txt"), 1, kOld);
  AddItem(VLT("C:\\One"));
  State().runItemIndex = 5;
  EXPECT_EQ(Run(), DONE_NOTHING);
  EXPECT_EQ(State().runItemIndex, -1);
}

TEST_F(BackupRunTest, TheTargetFolderComesFromTheRunSettings) {
  fs.AddFile(VLT("C:\\Data\\a.txt"), 1, kOld);
  fs.AddFolder(VLT("T:\\Other"));
  CSource& item = AddItem(VLT("C:\\Data"));
  settings.targetFolder = VLT("T:\\Other");
  EXPECT_EQ(Run(), DONE_OK);
  EXPECT_EQ(item.targetFolder, VLT("T:\\Other"));
  EXPECT_TRUE(fs.Exists(VLT("T:\\Other\\Data\\a.txt")));
}

TEST_F(BackupRunTest, TheLastRunsListsGoWhenTheNextStarts) {
  fs.AddFile(VLT("C:\\Data\\a.txt"), 1, kOld);
  fs.SetLocked(VLT("C:\\Data\\a.txt"), true);
  AddItem(VLT("C:\\Data"));
  ASSERT_EQ(Run(), DONE_OK);
  ASSERT_EQ(Errors().size(), 1u);
  fs.SetLocked(VLT("C:\\Data\\a.txt"), false);
  EXPECT_EQ(Run(), DONE_OK);
  EXPECT_TRUE(Errors().empty());
  EXPECT_EQ(State().jobList.size(), 1u);
  EXPECT_EQ(Stats().errorCount, 0) << "counters start from zero";
}

TEST_F(BackupRunTest, RunNowEndsTheRunAndClearsTheOneRunFlags) {
  AddItem(VLT("C:\\"));
  State().automaticStart = true;
  State().synchronize = true;
  Run();
  EXPECT_FALSE(State().running);
  EXPECT_FALSE(State().automaticStart);
  EXPECT_FALSE(State().synchronize);
  EXPECT_FALSE(runner.IsActive());
  EXPECT_EQ(observer.started, 1);
  EXPECT_EQ(observer.activeAtDone, std::vector<bool>{false});
}

TEST_F(BackupRunTest, ASynchronizingRunLeavesNoItemMarked) {
  fs.AddFile(VLT("C:\\Data\\a.txt"), 1, kOld);
  CSource& item = AddItem(VLT("C:\\Data"));
  State().synchronize = true;
  bool markedDuringRun = false;
  fs.beforeChange = [&](FakeOp, const String&) { markedDuringRun = item.mirror == 1; };
  Run();
  EXPECT_TRUE(markedDuringRun);
  EXPECT_EQ(item.mirror, 0);
}

TEST_F(BackupRunTest, TheCompletionCodeFollowsTheCountersAndTheCancelFlag) {
  CRunState state;
  EXPECT_EQ(CompletionCode(state), DONE_NOTHING);
  for (int64_t RunStats::*counter :
       {&RunStats::createdFolders, &RunStats::copiedNew, &RunStats::copiedChanged,
        &RunStats::deletedFolders, &RunStats::deletedFiles, &RunStats::errorCount}) {
    state.stats = RunStats{};
    state.stats.*counter = 1;
    EXPECT_EQ(CompletionCode(state), DONE_OK);
  }
  state.stats = RunStats{};
  state.stats.jobCount = state.stats.fileCount = state.stats.totalBytes = 9;
  EXPECT_EQ(CompletionCode(state), DONE_NOTHING) << "analysis counters do not count";
  state.cancelRequested = true;
  state.stats.copiedNew = 1;
  EXPECT_EQ(CompletionCode(state), DONE_CANCELLED);
}

}  // namespace
}  // namespace vl::test
