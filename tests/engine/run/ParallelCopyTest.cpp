// Small files copied on several threads at once: whatever order the copies finish in, the run
// reports what a run copying one file at a time reports, and a pause or a cancel stops every
// copying thread.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <thread>

#include "client/engine/PartialCopy.h"
#include "tests/engine/run/RunFixture.h"

namespace vl::test {
namespace {

constexpr int kFiles = 24;

// f00.txt ... f23.txt, so that names sort as the files were made.
String FileName(int index) {
  return String(VLT("f")) + static_cast<Char>(VLT('0') + index / 10) +
         static_cast<Char>(VLT('0') + index % 10) + VLT(".txt");
}
String SourceFile(int index) { return VLT("C:\\Data\\") + FileName(index); }
String TargetFile(int index) { return VLT("T:\\B\\Data\\") + FileName(index); }

class ParallelCopyTest : public RunFixture {
 protected:
  ParallelCopyTest() {
    for (int i = 0; i < kFiles; ++i) fs.AddFile(SourceFile(i), 100 + i, kOld);
    AddItem(VLT("C:\\Data"));
  }

  int CopiedFiles() const {
    int copied = 0;
    for (int i = 0; i < kFiles; ++i) copied += fs.Exists(TargetFile(i)) ? 1 : 0;
    return copied;
  }

  // Waits until some thread of the run sits at the paused gate.
  bool Held() {
    for (int i = 0; i < 500 && State().pause.WaitingCount() == 0; ++i) {
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return State().pause.WaitingCount() > 0;
  }
};

// Early copies are held back so that later ones finish first.
TEST_F(ParallelCopyTest, RecordsComeInJobOrderWhicheverCopyFinishesFirst) {
  fs.AddFile(VLT("C:\\Data\\large.bin"), 300 * 1024, kOld);
  fs.AddFile(VLT("C:\\Data\\bad\\x.txt"), 5, kOld);
  fs.AddFile(VLT("C:\\Data\\z.txt"), 7, kOld);
  for (int failing : {1, 9, 20}) fs.InjectFailure(FakeOp::Copy, SourceFile(failing), 5);
  fs.InjectFailure(FakeOp::CreateFolder, VLT("T:\\B\\Data\\bad"), 5);
  fs.beforeChange = [](FakeOp op, const String& path) {
    if (op == FakeOp::Copy && path < PartialCopyPath(TargetFile(4))) {
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
  };
  EXPECT_EQ(Run(), DONE_OK);
  EXPECT_EQ(Errors(), (std::vector<ErrorRecord>{
                          Error(SourceFile(1), IDS_ERROR_COPY),
                          Error(SourceFile(9), IDS_ERROR_COPY),
                          Error(SourceFile(20), IDS_ERROR_COPY),
                          Error(VLT("T:\\B\\Data\\bad"), IDS_ERROR_CREATE_FOLDER),
                      }));
  EXPECT_EQ(CountsOf(Stats()), (ExecutionCounts{1, kFiles - 3 + 2, 0, 0, 0, 4}));
  EXPECT_EQ(Stats().doneBytes, Stats().totalBytes);
  EXPECT_TRUE(std::is_sorted(view.percents.begin(), view.percents.end()));
  EXPECT_EQ(view.statuses.back(), VLT("Backup: z.txt (100 %)"));
}

TEST_F(ParallelCopyTest, APauseHoldsEveryCopyingThread) {
  fs.beforeChange = [this](FakeOp op, const String& path) {
    if (op == FakeOp::Copy && path == PartialCopyPath(TargetFile(5))) runner.Pause();
  };
  ASSERT_TRUE(runner.Start(settings));
  ASSERT_TRUE(Held());
  const int copiedWhenHeld = CopiedFiles();
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  EXPECT_EQ(CopiedFiles(), copiedWhenHeld) << "nothing is copied while paused";
  EXPECT_LT(copiedWhenHeld, kFiles);
  runner.Resume();
  runner.Wait();
  EXPECT_EQ(observer.codes, std::vector<RunCompletion>{DONE_OK});
  EXPECT_EQ(CopiedFiles(), kFiles);
  EXPECT_EQ(Stats().copiedNew, kFiles);
}

// A copy under way cannot be stopped where the platform calls no progress routine; no copy
// begins after the cancel, and every copy made is counted.
TEST_F(ParallelCopyTest, ACancelStopsTheCopiesNotYetBegun) {
  fs.SetCopyCallsProgress(false);
  fs.beforeChange = [this](FakeOp op, const String& path) {
    if (op == FakeOp::Copy && path == PartialCopyPath(TargetFile(5))) runner.RequestCancel();
  };
  EXPECT_EQ(Run(), DONE_CANCELLED);
  EXPECT_TRUE(Errors().empty());
  EXPECT_LT(CopiedFiles(), kFiles);
  EXPECT_EQ(Stats().copiedNew, CopiedFiles());
  for (int i = 0; i < kFiles; ++i) EXPECT_FALSE(fs.Exists(PartialCopyPath(TargetFile(i))));
}

}  // namespace
}  // namespace vl::test
