// Starting, cancelling and completing runs from the backup dialog: what the user sees, what the
// frame's timers, tray icon and real-time backup go through, and the worker held while the
// cancel question is open.
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "resources/client/resource.h"
#include "tests/ui/DialogFixture.h"

namespace vl::test {
namespace {

using Log = std::vector<std::string>;

class RunControlTest : public DialogFixture {
 protected:
  RunControlTest() {
    fs.AddFile(VLT("C:\\Data\\a.txt"), 10, kFileTime);
    fs.AddFile(VLT("C:\\Data\\b.txt"), 20, kFileTime);
  }

  // The frame and the dialog's outward steps, without the saves and list redraws around them.
  Log Steps() const {
    return log.Only({"stopTimers", "stopRealTime", "tray", "runControls", "report", "message",
                     "resetMinutes", "armTimers", "startRealTime"});
  }
};

TEST_F(RunControlTest, NothingToBackUpAsksForAnItemAndStartsNoRun) {
  run.StartBackup();
  AddListed(VLT("C:\\Gone"));
  run.StartBackup();
  // The timers stay off: only the end of a run or new settings arm them again.
  EXPECT_EQ(log.Entries(), (Log{"stopTimers", MessageEntry(IDS_MSG_SELECT_ITEM), "resetMinutes",
                                "stopTimers", MessageEntry(IDS_MSG_SELECT_ITEM), "resetMinutes"}));
  EXPECT_FALSE(run.IsRunActive());
  EXPECT_FALSE(run.State().running);
  EXPECT_TRUE(window.ListEnabled().empty()) << "a worker was started";
}

TEST_F(RunControlTest, AnAutomaticStartWithNothingToBackUpIsSilentAndKeepsItsFlags) {
  run.State().automaticStart = true;
  run.State().synchronize = true;
  run.StartBackup();
  EXPECT_EQ(log.Entries(), (Log{"stopTimers", "resetMinutes"}));
  EXPECT_TRUE(run.State().automaticStart) << "the flags are for the next run that starts";
  EXPECT_TRUE(run.State().synchronize);
}

TEST_F(RunControlTest, ARunToTheEndShowsItsReportAndTheNextOneFindsNothing) {
  AddListed(VLT("C:\\Data"));
  ASSERT_EQ(RunToEnd(), DONE_OK);
  EXPECT_EQ(Steps(),
            (Log{"stopTimers", TrayEntry(IDI_BACKUP_RUNNING), "runControls on", "runControls off",
                 TrayEntry(IDR_MAINFRAME), "report", "resetMinutes", "armTimers"}));
  EXPECT_EQ(view.reportedStats.createdFolders, 1);
  EXPECT_EQ(view.reportedStats.copiedNew, 2);
  EXPECT_EQ(view.reportedStats.fileCount, 2);
  EXPECT_EQ(view.reportedStats.startTime, clock.utcSeconds);
  EXPECT_EQ(view.reportedErrors, 0u);
  EXPECT_TRUE(fs.Exists(VLT("T:\\B\\Data\\b.txt")));
  EXPECT_EQ(window.ListEnabledOnceCalled(2), (std::vector<bool>{false, true}));
  EXPECT_EQ(window.LastCaption(), VLT("Vaultline")) << "the idle caption after the run";
  EXPECT_EQ(window.LastStatus(), String());
  EXPECT_FALSE(run.State().running);

  log.Clear();
  EXPECT_EQ(RunToEnd(), DONE_NOTHING);
  EXPECT_EQ(log.Only({"report", "message"}), Log{MessageEntry(IDS_MSG_NOTHING_TO_BACK_UP)});
  EXPECT_EQ(view.reports, 1);
}

TEST_F(RunControlTest, AnAutomaticRunShowsNothingAndItsFlagsEndWithIt) {
  AddListed(VLT("C:\\Data"));
  run.State().automaticStart = true;
  run.State().synchronize = true;
  ASSERT_EQ(RunToEnd(), DONE_OK);
  EXPECT_EQ(view.reports, 0);
  EXPECT_EQ(Steps(),
            (Log{"stopTimers", TrayEntry(IDI_BACKUP_RUNNING), "runControls on", "runControls off",
                 TrayEntry(IDR_MAINFRAME), "resetMinutes", "armTimers"}));
  EXPECT_FALSE(run.State().automaticStart);
  EXPECT_FALSE(run.State().synchronize);
  EXPECT_FALSE(run.State().running);
}

TEST_F(RunControlTest, TheSelectedItemIsShownAgainWhenTheRunEnds) {
  AddListed(VLT("C:\\Data"));
  view.selected = 0;
  ASSERT_EQ(RunToEnd(), DONE_OK);
  EXPECT_EQ(selectionHandled, 1);
  EXPECT_EQ(log.Only({"report", "sourceLine", "armTimers"}),
            (Log{"report", "sourceLine ", "sourceLine C:\\Data", "armTimers"}));
}

TEST_F(RunControlTest, AStartBeforeTheLastCompletionIsHandledIsIgnored) {
  AddListed(VLT("C:\\Data"));
  run.StartBackup();
  const std::optional<RunCompletion> code = window.WaitForDone();
  ASSERT_TRUE(code.has_value());
  // The worker has ended and its completion message waits in the queue.
  log.Clear();
  run.StartBackup();
  EXPECT_TRUE(log.Entries().empty()) << "a second run started before the first one was done";
  run.OnBackupDone(*code);
  EXPECT_EQ(RunToEnd(), DONE_NOTHING) << "once handled, the next start runs";
}

TEST_F(RunControlTest, CancelWithoutARunAsksNothing) {
  run.CancelBackup();
  EXPECT_TRUE(log.Entries().empty());
}

TEST_F(RunControlTest, DestroyingTheControlEndsAPausedRunAndWaitsForIt) {
  AddListed(VLT("C:\\Data"));
  FakeRunWindow otherWindow;
  {
    CRunControl other(services, view, otherWindow, fs, fs, texts, clock, nullptr);
    other.State().pause.Close();
    other.StartBackup();
    ASSERT_TRUE(WorkerPaused(other.State()));
  }
  EXPECT_EQ(otherWindow.Completions(), std::vector<RunCompletion>{DONE_CANCELLED});
  EXPECT_FALSE(fs.Exists(VLT("T:\\B\\Data")));
}

// The outcome as the user hears of it, for each completion code, and silence for a run an
// automatic starter began.
struct Outcome {
  RunCompletion code;
  std::string shown;
};

class CompletionTest : public RunControlTest, public ::testing::WithParamInterface<Outcome> {};

TEST_P(CompletionTest, TheUserHearsOfTheOutcomeUnlessTheRunWasAutomatic) {
  run.OnBackupDone(GetParam().code);
  EXPECT_EQ(log.Only({"report", "message"}), Log{GetParam().shown});
  EXPECT_TRUE(log.Has("resetMinutes"));

  log.Clear();
  run.State().automaticStart = true;
  run.OnBackupDone(GetParam().code);
  EXPECT_TRUE(log.Only({"report", "message"}).empty());
  EXPECT_TRUE(log.Has("resetMinutes"));
}

INSTANTIATE_TEST_SUITE_P(
    Codes, CompletionTest,
    ::testing::Values(Outcome{DONE_OK, "report"},
                      Outcome{DONE_NOTHING, MessageEntry(IDS_MSG_NOTHING_TO_BACK_UP)},
                      Outcome{DONE_CANCELLED, MessageEntry(IDS_MSG_JOB_CANCELLED)}));

// Real-time backup is off for the run only when it is the automatic mode in use.
struct Mode {
  int32_t autoBackup;
  int32_t backupMode;
  bool realTimeSwitched;
};

class RealTimeTest : public RunControlTest, public ::testing::WithParamInterface<Mode> {};

TEST_P(RealTimeTest, RealTimeBackupPausesForTheRunOnlyInItsOwnMode) {
  services.settings.m_bAutoBackup = GetParam().autoBackup;
  services.settings.m_nBackupMode = GetParam().backupMode;
  AddListed(VLT("C:\\Data"));
  ASSERT_EQ(RunToEnd(), DONE_OK);
  const Log expected =
      GetParam().realTimeSwitched
          ? Log{"stopTimers",
                "stopRealTime",
                TrayEntry(IDI_BACKUP_RUNNING),
                TrayEntry(IDR_MAINFRAME),
                "armTimers",
                "startRealTime"}
          : Log{"stopTimers", TrayEntry(IDI_BACKUP_RUNNING), TrayEntry(IDR_MAINFRAME), "armTimers"};
  EXPECT_EQ(log.Only({"stopTimers", "stopRealTime", "tray", "armTimers", "startRealTime"}),
            expected);
}

INSTANTIATE_TEST_SUITE_P(Settings, RealTimeTest,
                         ::testing::Values(Mode{1, 2, true}, Mode{0, 2, false},
                                           Mode{1, 0, false}, Mode{1, 1, false}));

// A run held in the middle of copying a large file, so that the cancel question comes while
// the worker still has work to do.
constexpr Char kSmallTarget[] = VLT("T:\\B\\Data\\small.txt");

class CancelTest : public DialogFixture {
 protected:
  CancelTest() {
    fs.AddFile(VLT("C:\\Data\\big.bin"), 1024 * 1024, kFileTime);
    fs.AddFile(VLT("C:\\Data\\small.txt"), 10, kFileTime);
    AddListed(VLT("C:\\Data"));
    window.HoldAtStatus(VLT("Backup: big.bin (6 %)"));
  }

  void StartHeld() {
    run.StartBackup();
    ASSERT_TRUE(window.WaitUntilHeld());
  }

  // Asks to cancel once the run is copying; the answer comes only after the worker has been
  // seen standing still at a check point while the question is open.
  void CancelWhileCopying(bool answer) {
    StartHeld();
    view.onAsk = [this, answer](uint32_t textId) {
      EXPECT_EQ(textId, static_cast<uint32_t>(IDS_ASK_CANCEL_JOB));
      window.Release();
      EXPECT_TRUE(WorkerPaused()) << "the worker is not held during the question";
      const size_t calls = window.ProgressCalls();
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
      EXPECT_EQ(window.ProgressCalls(), calls) << "the worker went on during the question";
      EXPECT_FALSE(fs.Exists(kSmallTarget));
      return answer;
    };
    run.CancelBackup();
    view.onAsk = nullptr;
  }
};

TEST_F(CancelTest, AnsweredNoTheRunGoesOnToTheEnd) {
  CancelWhileCopying(false);
  ASSERT_EQ(FinishRun(), DONE_OK);
  EXPECT_EQ(log.Only({"ask", "message", "report"}),
            (Log{AskEntry(IDS_ASK_CANCEL_JOB, BoxIcon::question), "report"}));
  EXPECT_EQ(view.reportedStats.copiedNew, 2);
  EXPECT_EQ(view.reportedErrors, 0u);
  EXPECT_TRUE(fs.Exists(kSmallTarget));
}

TEST_F(CancelTest, AnsweredYesTheRunEndsCancelledWithoutAReport) {
  CancelWhileCopying(true);
  ASSERT_EQ(FinishRun(), DONE_CANCELLED);
  EXPECT_EQ(log.Only({"message", "report"}), Log{MessageEntry(IDS_MSG_JOB_CANCELLED)});
  EXPECT_FALSE(fs.Exists(kSmallTarget));
  EXPECT_EQ(run.State().runItemIndex, -1);
}

TEST_F(CancelTest, AStartDuringARunIsIgnored) {
  StartHeld();
  log.Clear();
  run.StartBackup();
  EXPECT_TRUE(log.Entries().empty());
  window.Release();
  EXPECT_EQ(FinishRun(), DONE_OK);
  EXPECT_EQ(window.Completions().size(), 1u);
}

// The window may be destroyed from inside the question's own message loop.
TEST_F(CancelTest, StoppingForTheWindowEndsAPausedRun) {
  StartHeld();
  view.onAsk = [this](uint32_t) {
    window.Release();
    EXPECT_TRUE(WorkerPaused());
    run.RequestStop();
    for (int i = 0; i < 1000 && run.IsRunActive(); ++i)
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    EXPECT_FALSE(run.IsRunActive()) << "the stopped run did not end";
    return false;
  };
  run.CancelBackup();
  EXPECT_EQ(FinishRun(), DONE_CANCELLED);
  EXPECT_FALSE(fs.Exists(kSmallTarget));
}

TEST_F(CancelTest, StoppingForTheWindowCancelsARunningRun) {
  StartHeld();
  run.RequestStop();
  window.Release();
  EXPECT_EQ(FinishRun(), DONE_CANCELLED);
}

// The box's own message loop delivers whatever is posted meanwhile, the completion included.
TEST_F(CancelTest, ACompletionArrivingDuringTheQuestionWaitsForTheAnswer) {
  StartHeld();
  view.onAsk = [this](uint32_t) {
    window.Release();
    EXPECT_TRUE(WorkerPaused());
    run.RequestStop();
    const std::optional<RunCompletion> code = window.WaitForDone();
    EXPECT_TRUE(code.has_value());
    log.Clear();
    if (code) run.OnBackupDone(*code);
    EXPECT_TRUE(log.Entries().empty()) << "the run's end was handled under the open question";
    return false;
  };
  run.CancelBackup();
  view.onAsk = nullptr;
  EXPECT_EQ(log.Only({"message", "report", "runControls"}),
            (Log{"runControls off", MessageEntry(IDS_MSG_JOB_CANCELLED)}));
  EXPECT_FALSE(run.State().running);
}

}  // namespace
}  // namespace vl::test
