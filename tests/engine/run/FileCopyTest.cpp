// Copying one file: the old target's way out (history, overwrite, read-only), the copy's
// refusal to replace what appeared meanwhile, times, and byte accounting with and without the
// platform's progress calls.
#include "client/engine/FileCopy.h"

#include <gtest/gtest.h>

#include "client/engine/JobActions.h"
#include "client/engine/PartialCopy.h"
#include "tests/engine/run/RunFixture.h"

namespace vl::test {
namespace {

constexpr Char kSource[] = VLT("C:\\Data\\q1.xls");
constexpr Char kTarget[] = VLT("T:\\B\\Data\\q1.xls");
constexpr Char kHistoryCopy[] = VLT("T:\\B\\Data\\_VLHistory\\q1_VL20140305090702.xls");

class FileCopyTest : public RunFixture {
 protected:
  // A source file changed since its copy on the target was made.
  void AddChanged() {
    fs.AddFileWithContent(kSource, "new version", kNew);
    fs.AddFileWithContent(kTarget, "old", kOld);
    AddItem(VLT("C:\\Data"));
  }
};

TEST_F(FileCopyTest, AChangedFileKeepsItsOldVersionInHistory) {
  AddChanged();
  EXPECT_EQ(Run(), DONE_OK);
  EXPECT_EQ(fs.Content(kTarget), "new version");
  EXPECT_EQ(fs.Content(kHistoryCopy), "old");
  EXPECT_EQ(CountsOf(Stats()), (ExecutionCounts{0, 0, 1, 0, 0, 0}));
  EXPECT_EQ(Stats().doneBytes, 11);
}

TEST_F(FileCopyTest, OverwriteModeLeavesNoHistory) {
  AddChanged();
  settings.historyMode = 1;
  EXPECT_EQ(Run(), DONE_OK);
  EXPECT_EQ(fs.Content(kTarget), "new version");
  EXPECT_FALSE(fs.Exists(VLT("T:\\B\\Data\\_VLHistory")));
  EXPECT_EQ(Stats().copiedChanged, 1);
}

TEST_F(FileCopyTest, AReadOnlyOldTargetGoesToHistoryWritable) {
  AddChanged();
  fs.SetRawAttributes(kTarget, kAttrReadOnly | kAttrArchive);
  fs.SetRawAttributes(kSource, kAttrReadOnly);
  EXPECT_EQ(Run(), DONE_OK);
  FileStatus history, target;
  ASSERT_TRUE(fs.GetStatus(kHistoryCopy, history));
  ASSERT_TRUE(fs.GetStatus(kTarget, target));
  EXPECT_EQ(history.attributes, uint32_t{kAttrArchive});
  EXPECT_EQ(target.attributes, uint32_t{kAttrReadOnly}) << "the new copy has the source's";
  EXPECT_EQ(fs.Content(kTarget), "new version");
}

TEST_F(FileCopyTest, AReadOnlyOldTargetIsDeletedInOverwriteMode) {
  AddChanged();
  fs.SetRawAttributes(kTarget, kAttrReadOnly);
  settings.historyMode = 1;
  EXPECT_EQ(Run(), DONE_OK);
  EXPECT_TRUE(Errors().empty());
  EXPECT_EQ(fs.Content(kTarget), "new version");
}

TEST_F(FileCopyTest, ATargetThatAppearedAfterTheAnalysisIsNotReplaced) {
  fs.AddFileWithContent(kSource, "mine", kNew);
  fs.AddFolder(VLT("T:\\B\\Data"));
  AddItem(VLT("C:\\Data"));
  fs.beforeChange = [this](FakeOp op, const String&) {
    if (op == FakeOp::Copy) fs.AddFileWithContent(kTarget, "theirs", kOld);
  };
  EXPECT_EQ(Run(), DONE_OK);
  EXPECT_EQ(Errors(), (std::vector<ErrorRecord>{Error(kSource, IDS_ERROR_COPY)}));
  EXPECT_EQ(fs.Content(kTarget), "theirs");
  EXPECT_FALSE(fs.Exists(PartialCopyPath(kTarget)));
  EXPECT_EQ(CountsOf(Stats()), (ExecutionCounts{0, 0, 0, 0, 0, 1}));
  EXPECT_EQ(Stats().doneBytes, Stats().totalBytes);
}

TEST_F(FileCopyTest, ALockedSourceIsOneErrorAndTheRunGoesOn) {
  fs.AddFile(VLT("C:\\Data\\a.txt"), 10, kOld);
  fs.AddFile(kSource, 20, kOld);
  fs.AddFile(VLT("C:\\Data\\z.txt"), 30, kOld);
  fs.SetLocked(kSource, true);
  AddItem(VLT("C:\\Data"));
  EXPECT_EQ(Run(), DONE_OK);
  EXPECT_EQ(Errors(), (std::vector<ErrorRecord>{Error(kSource, IDS_ERROR_COPY)}));
  EXPECT_EQ(CountsOf(Stats()), (ExecutionCounts{1, 2, 0, 0, 0, 1}));
  EXPECT_FALSE(fs.Exists(kTarget));
  EXPECT_TRUE(fs.Exists(VLT("T:\\B\\Data\\z.txt")));
  EXPECT_EQ(Stats().doneBytes, 60);
}

TEST_F(FileCopyTest, AnOldVersionThatCannotMoveStaysAndNothingIsCopied) {
  AddChanged();
  fs.InjectFailure(FakeOp::Move, kTarget, kSysSharingViolation);
  EXPECT_EQ(Run(), DONE_OK);
  EXPECT_EQ(Errors(), (std::vector<ErrorRecord>{Error(kSource, IDS_ERROR_COPY)}));
  EXPECT_EQ(fs.Content(kTarget), "old");
  EXPECT_EQ(Stats().copiedChanged, 0);
}

TEST_F(FileCopyTest, AnOldVersionThatCannotBeDeletedStaysInOverwriteMode) {
  AddChanged();
  settings.historyMode = 1;
  fs.SetLocked(kTarget, true);
  EXPECT_EQ(Run(), DONE_OK);
  EXPECT_EQ(Errors(), (std::vector<ErrorRecord>{Error(kSource, IDS_ERROR_COPY)}));
  EXPECT_EQ(fs.Content(kTarget), "old");
}

// The new version is complete before the old one moves: whatever fails on the way, the old
// target is as it was (read-only bit included), no history copy is made and no partial copy
// is left, and the record keeps the system's code.
TEST_F(FileCopyTest, AFailedReplacementLeavesTheOldVersionExactlyAsItWas) {
  const String partial = PartialCopyPath(kTarget);
  const struct {
    const char* what;
    int32_t historyMode;
    FakeOp op;
    String path;
    uint32_t code;
  } cases[] = {
      {"full disk, archive", 0, FakeOp::Copy, partial, kSysDiskFull},
      {"full disk, overwrite", 1, FakeOp::Copy, partial, kSysDiskFull},
      {"rename into place, archive", 0, FakeOp::Move, partial, kSysAccessDenied},
      {"rename into place, overwrite", 1, FakeOp::Move, partial, kSysAccessDenied},
      {"history folder", 0, FakeOp::CreateFolder, VLT("T:\\B\\Data\\_VLHistory"),
       kSysAccessDenied},
  };
  AddChanged();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    fs.ClearFailures();
    fs.SetRawAttributes(kTarget, kAttrReadOnly | kAttrArchive);
    settings.historyMode = c.historyMode;
    fs.InjectFailure(c.op, c.path, c.code);
    EXPECT_EQ(Run(), DONE_OK);
    ASSERT_EQ(State().errorList.size(), 1u);
    EXPECT_EQ(State().errorList[0]->systemCode, c.code);
    EXPECT_EQ(fs.Content(kTarget), "old");
    FileStatus old;
    ASSERT_TRUE(fs.GetStatus(kTarget, old));
    EXPECT_EQ(old.attributes, uint32_t{kAttrReadOnly | kAttrArchive});
    EXPECT_FALSE(fs.Exists(kHistoryCopy));
    EXPECT_FALSE(fs.Exists(partial));
    EXPECT_FALSE(fs.Exists(SetAsidePath(kTarget)));
  }
}

TEST_F(FileCopyTest, AHistoryFolderThatCannotBeMadeIsRecordedAsSuch) {
  AddChanged();
  fs.InjectFailure(FakeOp::CreateFolder, VLT("T:\\B\\Data\\_VLHistory"), kSysAccessDenied);
  EXPECT_EQ(Run(), DONE_OK);
  EXPECT_EQ(Errors(), (std::vector<ErrorRecord>{
                          Error(VLT("T:\\B\\Data\\_VLHistory"), IDS_ERROR_CREATE_FOLDER)}));
}

TEST_F(FileCopyTest, ASecondReplacementInTheSameSecondTakesTheNextFreeName) {
  AddChanged();
  fs.AddFileWithContent(kHistoryCopy, "older", kOld);
  fs.AddFileWithContent(VLT("T:\\B\\Data\\_VLHistory\\q1_VL20140305090702_2.xls"), "old2",
                        kOld);
  EXPECT_EQ(Run(), DONE_OK);
  EXPECT_TRUE(Errors().empty());
  EXPECT_EQ(fs.Content(kTarget), "new version");
  EXPECT_EQ(fs.Content(kHistoryCopy), "older");
  EXPECT_EQ(fs.Content(VLT("T:\\B\\Data\\_VLHistory\\q1_VL20140305090702_3.xls")), "old");
}

// What a killed run left is removed, never copied, moved to history or counted; the next copy
// of the same file writes over it.
TEST_F(FileCopyTest, APartialCopyLeftByAKilledRunIsRemovedByTheNextRun) {
  fs.AddFileWithContent(kSource, "same", kOld);
  fs.AddFileWithContent(kTarget, "same", kOld);
  fs.AddFileWithContent(PartialCopyPath(kTarget), "fragment", kNew);
  fs.AddFileWithContent(VLT("C:\\Data\\b.txt"), "b", kNew);
  fs.AddFileWithContent(VLT("T:\\B\\Data\\b.txt.~VLPART"), "frag", kNew);
  fs.SetRawAttributes(VLT("T:\\B\\Data\\b.txt.~VLPART"), kAttrReadOnly);
  AddItem(VLT("C:\\Data"));
  EXPECT_EQ(Run(), DONE_OK);
  EXPECT_TRUE(Errors().empty());
  EXPECT_FALSE(fs.Exists(PartialCopyPath(kTarget)));
  EXPECT_FALSE(fs.Exists(VLT("T:\\B\\Data\\b.txt.~VLPART")));
  EXPECT_EQ(fs.Content(VLT("T:\\B\\Data\\b.txt")), "b");
  EXPECT_FALSE(fs.Exists(VLT("T:\\B\\Data\\_VLHistory")));
  EXPECT_EQ(CountsOf(Stats()), (ExecutionCounts{0, 1, 0, 0, 0, 0}));
  EXPECT_EQ(Stats().fileCount, 1);
}

TEST_F(FileCopyTest, TheCopyTakesAllThreeTimesOfTheSource) {
  fs.AddFile(kSource, 3, kOld);
  fs.SetRawTimes(kSource, FakeTimes{kOld - 100, kOld + 50, kOld});
  AddItem(VLT("C:\\Data"));
  Run();
  FileStatus target;
  ASSERT_TRUE(fs.GetStatus(kTarget, target));
  EXPECT_EQ(target.creationTime, kOld - 100);
  EXPECT_EQ(target.lastAccessTime, kOld + 50);
  EXPECT_EQ(target.lastWriteTime, kOld);
}

TEST_F(FileCopyTest, TimesThatCannotBeSetLeaveTheCopyCounted) {
  fs.AddFile(kSource, 3, kOld);
  fs.InjectFailure(FakeOp::SetTimes, kTarget, kSysSharingViolation);
  AddItem(VLT("C:\\Data"));
  EXPECT_EQ(Run(), DONE_OK);
  EXPECT_EQ(CountsOf(Stats()), (ExecutionCounts{1, 1, 0, 0, 0, 0}));
}

TEST_F(FileCopyTest, WithoutProgressCallsASuccessfulCopyStillCountsItsBytes) {
  fs.SetCopyCallsProgress(false);
  fs.AddFile(VLT("C:\\Data\\a.bin"), 300'000, kOld);
  fs.AddFile(VLT("C:\\Data\\b.bin"), 100'000, kOld);
  AddItem(VLT("C:\\Data"));
  EXPECT_EQ(Run(), DONE_OK);
  EXPECT_EQ(Stats().doneBytes, 400'000);
  EXPECT_EQ(view.percents.back(), 100);
  EXPECT_EQ(view.statuses.back(), VLT("Backup: b.bin (100 %)"));
}

TEST_F(FileCopyTest, ProgressCallsMoveTheBarWhileALargeFileIsCopied) {
  fs.AddFile(VLT("C:\\Data\\big.bin"), 256 * 1024, kOld);
  AddItem(VLT("C:\\Data"));
  Run();
  EXPECT_EQ(Stats().doneBytes, 256 * 1024);
  const std::vector<int> expected{0, 0, 25, 50, 75, 100};
  EXPECT_EQ(view.percents, expected) << "the folder, the file, then one per 64 KiB";
}

TEST_F(FileCopyTest, AnEmptyFileIsCopiedWithoutAddingBytes) {
  fs.AddFile(kSource, 0, kOld);
  AddItem(VLT("C:\\Data"));
  EXPECT_EQ(Run(), DONE_OK);
  EXPECT_EQ(Stats().copiedNew, 1);
  EXPECT_EQ(Stats().doneBytes, 0);
  EXPECT_EQ(view.percents.back(), 100);
}

// The routine itself, as the platform calls it.
TEST_F(FileCopyTest, TheProgressRoutineAddsOnlyNewBytesAndStopsACancelledRun) {
  State().stats.totalBytes = 1000;
  State().streamBytesSeen = 0;
  CopyProgressInfo info;
  info.streamSize = 1000;
  for (uint64_t transferred : {0u, 400u, 400u, 300u, 1000u}) {
    info.streamTransferred = transferred;
    EXPECT_TRUE(CopyProgress(State(), engine.Progress(), info));
  }
  EXPECT_EQ(Stats().doneBytes, 1000);
  EXPECT_EQ(State().streamBytesSeen, 1000);
  EXPECT_EQ(view.percents, (std::vector<int>{40, 100})) << "shown only when bytes arrive";
  State().cancelRequested = true;
  EXPECT_FALSE(CopyProgress(State(), engine.Progress(), info));
}

TEST_F(FileCopyTest, ANewFileJobCountsAsNewAndAChangedOneAsChanged) {
  fs.AddFile(kSource, 4, kOld);
  fs.AddFolder(VLT("T:\\B\\Data"));
  CSyncItem job;
  job.action = JOB_CHANGED_FILE;
  job.name = VLT("q1.xls");
  job.SetPaths(kSource, kTarget);
  job.size = 4;
  CopyFileJob(engine, job, HISTORY_MODE_ARCHIVE);
  EXPECT_EQ(Stats().copiedChanged, 1) << "no old target is needed to count as changed";
  job.action = JOB_NEW_FILE;
  job.SetPaths(kSource, VLT("T:\\B\\Data\\copy.xls"));
  CopyFileJob(engine, job, HISTORY_MODE_ARCHIVE);
  EXPECT_EQ(Stats().copiedNew, 1);
  EXPECT_EQ(Stats().doneBytes, 8);
}

}  // namespace
}  // namespace vl::test
