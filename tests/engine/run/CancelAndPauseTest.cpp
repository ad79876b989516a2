// Stopping a run: the cancel flag through the copy's progress routine and between jobs, the
// pause that holds the worker while the question is open, and the worker thread itself.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "client/engine/PartialCopy.h"
#include "tests/engine/run/RunFixture.h"

namespace vl::test {
namespace {

constexpr Char kBig[] = VLT("C:\\Data\\big.bin");
constexpr Char kBigTarget[] = VLT("T:\\B\\Data\\big.bin");
constexpr Char kSmallTarget[] = VLT("T:\\B\\Data\\small.txt");

class CancelTest : public RunFixture {
 protected:
  CancelTest() {
    fs.AddFile(kBig, 1024 * 1024, kOld);
    fs.AddFile(VLT("C:\\Data\\small.txt"), 10, kOld);
    AddItem(VLT("C:\\Data"));
  }

  // Cancels as soon as the status line shows text (as the dialog's Yes would).
  void CancelOnStatus(const String& text) {
    view.onStatus = [this, text](const String& status) {
      if (status == text) runner.RequestCancel();
    };
  }
};

TEST_F(CancelTest, ACopyStopsThroughItsProgressRoutine) {
  CancelOnStatus(VLT("Backup: big.bin (6 %)"));
  EXPECT_EQ(Run(), DONE_CANCELLED);
  EXPECT_EQ(Errors(), (std::vector<ErrorRecord>{Error(kBig, IDS_ERROR_COPY)}));
  EXPECT_FALSE(fs.Exists(kBigTarget));
  EXPECT_FALSE(fs.Exists(kSmallTarget)) << "no job after the cancel";
  EXPECT_EQ(CountsOf(Stats()), (ExecutionCounts{1, 0, 0, 0, 0, 1}));
  EXPECT_EQ(Stats().doneBytes, 1024 * 1024) << "the cancelled file counts once";
}

TEST_F(CancelTest, BetweenFilesTheNextJobDoesNotStart) {
  fs.beforeChange = [this](FakeOp op, const String& path) {
    if (op == FakeOp::Move && path == PartialCopyPath(kBigTarget)) runner.RequestCancel();
  };
  EXPECT_EQ(Run(), DONE_CANCELLED);
  EXPECT_TRUE(fs.Exists(kBigTarget));
  EXPECT_FALSE(fs.Exists(kSmallTarget));
  EXPECT_EQ(CountsOf(Stats()), (ExecutionCounts{1, 1, 0, 0, 0, 0}));
}

TEST_F(CancelTest, WithoutProgressCallsTheRunStopsAtTheNextFile) {
  fs.SetCopyCallsProgress(false);
  CancelOnStatus(VLT("Backup: big.bin (0 %)"));
  EXPECT_EQ(Run(), DONE_CANCELLED);
  EXPECT_TRUE(fs.Exists(kBigTarget)) << "the copy under way cannot be stopped";
  EXPECT_FALSE(fs.Exists(kSmallTarget));
  EXPECT_TRUE(Errors().empty());
}

TEST_F(CancelTest, DuringTheAnalysisNoJobIsExecuted) {
  CancelOnStatus(VLT("Analyzing : Data"));
  EXPECT_EQ(Run(), DONE_CANCELLED);
  EXPECT_FALSE(fs.Exists(VLT("T:\\B\\Data")));
  EXPECT_EQ(CountsOf(Stats()), ExecutionCounts{});
  EXPECT_EQ(State().runItemIndex, -1);
}

TEST_F(CancelTest, ACancelledSynchronizingRunLeavesNoItemMarked) {
  State().synchronize = true;
  CancelOnStatus(VLT("Analyzing : Data"));
  Run();
  EXPECT_EQ(items.GetAt(0).mirror, 0);
}

// The worker thread, held and released from the test's thread as the dialog would.
class WorkerTest : public CancelTest {
 protected:
  // Waits until the worker sits at a check point of the paused run.
  bool WorkerHeld() {
    for (int i = 0; i < 500; ++i) {
      if (State().pause.WaitingCount() >= 1) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
  }
};

TEST_F(WorkerTest, APauseHoldsTheWorkerUntilResumed) {
  runner.Pause();
  ASSERT_TRUE(runner.Start(settings));
  ASSERT_TRUE(WorkerHeld());
  EXPECT_TRUE(runner.IsActive());
  EXPECT_FALSE(fs.Exists(VLT("T:\\B\\Data"))) << "nothing happens while paused";
  runner.Resume();
  runner.Wait();
  EXPECT_FALSE(runner.IsActive());
  EXPECT_EQ(observer.codes, std::vector<RunCompletion>{DONE_OK});
  EXPECT_TRUE(fs.Exists(kSmallTarget));
}

TEST_F(WorkerTest, CancelAnsweredYesWhilePausedEndsTheRun) {
  runner.Pause();
  ASSERT_TRUE(runner.Start(settings));
  ASSERT_TRUE(WorkerHeld());
  runner.RequestCancel();
  runner.Resume();
  runner.Wait();
  EXPECT_EQ(observer.codes, std::vector<RunCompletion>{DONE_CANCELLED});
  EXPECT_FALSE(fs.Exists(VLT("T:\\B\\Data")));
}

TEST_F(WorkerTest, APauseInTheMiddleOfACopyHoldsItThere) {
  view.onStatus = [this](const String& status) {
    if (status == VLT("Backup: big.bin (6 %)")) runner.Pause();
  };
  ASSERT_TRUE(runner.Start(settings));
  ASSERT_TRUE(WorkerHeld());
  EXPECT_EQ(Stats().doneBytes, 64 * 1024);
  runner.Resume();
  runner.Wait();
  EXPECT_EQ(observer.codes, std::vector<RunCompletion>{DONE_OK});
  EXPECT_EQ(Stats().doneBytes, Stats().totalBytes);
}

TEST_F(WorkerTest, ASecondStartIsRefusedWhileARunIsActive) {
  runner.Pause();
  ASSERT_TRUE(runner.Start(settings));
  EXPECT_FALSE(runner.Start(settings));
  EXPECT_FALSE(runner.RunNow(settings).has_value());
  EXPECT_TRUE(State().running);
  runner.Resume();
  runner.Wait();
  EXPECT_EQ(observer.started, 1);
  EXPECT_TRUE(State().running) << "the completion handler ends the run";
  State().EndRun();
  EXPECT_TRUE(runner.Start(settings)) << "and the next may start";
  runner.Wait();
  EXPECT_EQ(observer.codes, (std::vector<RunCompletion>{DONE_OK, DONE_NOTHING}));
}

TEST_F(WorkerTest, TheEndIsAnnouncedOnTheWorkerAfterTheRunStoppedBeingActive) {
  std::thread::id doneOn;
  observer.onDone = [&doneOn](RunCompletion) { doneOn = std::this_thread::get_id(); };
  ASSERT_TRUE(runner.Start(settings));
  runner.Wait();
  EXPECT_NE(doneOn, std::this_thread::get_id());
  EXPECT_EQ(observer.activeAtDone, std::vector<bool>{false});
}

TEST_F(WorkerTest, TheObserverCannotStartTheNextRunFromTheWorker) {
  bool restarted = true;
  observer.onDone = [this, &restarted](RunCompletion) { restarted = runner.Start(settings); };
  ASSERT_TRUE(runner.Start(settings));
  runner.Wait();
  EXPECT_FALSE(restarted) << "it would have to wait for its own thread";
  EXPECT_EQ(observer.codes.size(), 1u);
}

TEST_F(WorkerTest, DestroyingTheRunnerCancelsAPausedRun) {
  RecordingRunObserver local(State());
  {
    CBackupRunner other(engine, fs, items, local);
    other.Pause();
    ASSERT_TRUE(other.Start(settings));
  }
  EXPECT_EQ(local.codes, std::vector<RunCompletion>{DONE_CANCELLED});
  EXPECT_FALSE(fs.Exists(VLT("T:\\B\\Data")));
}

}  // namespace
}  // namespace vl::test
