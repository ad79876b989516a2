#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/rules/StartupSequence.h"

namespace vl {
namespace {

class RecordingSteps : public IStartupSteps {
 public:
  bool updateTakesOver = false;
  std::vector<std::string> calls;

  void StopStartupTimer() override { calls.push_back("stop-timer"); }
  bool LaunchUpdate() override {
    calls.push_back("update");
    return updateTakesOver;
  }
  void ConnectNas() override { calls.push_back("nas"); }
  void StartRealTime() override { calls.push_back("real-time"); }
  void ShowBackupDialog() override { calls.push_back("show"); }
  void ArmBackupTimers() override { calls.push_back("timers"); }
  void ClearPopup() override { calls.push_back("clear-popup"); }
};

using Calls = std::vector<std::string>;

TEST(StartupSequence, PlainStartShowsTheDialogArmsTimersAndClearsThePopupFlagLast) {
  RecordingSteps steps;
  RunStartupSequence(StartupFacts{}, steps);
  EXPECT_EQ(steps.calls, (Calls{"stop-timer", "show", "timers", "clear-popup"}));
}

TEST(StartupSequence, EveryStepInOrder) {
  RecordingSteps steps;
  RunStartupSequence(StartupFacts{true, true, true}, steps);
  EXPECT_EQ(steps.calls,
            (Calls{"stop-timer", "update", "nas", "real-time", "show", "timers", "clear-popup"}));
}

TEST(StartupSequence, UpdateThatTakesOverEndsTheSequence) {
  RecordingSteps steps;
  steps.updateTakesOver = true;
  RunStartupSequence(StartupFacts{true, true, true}, steps);
  EXPECT_EQ(steps.calls, (Calls{"stop-timer", "update"}));
}

TEST(StartupSequence, CheckCountsOnlyAsTheFirstArgument) {
  EXPECT_TRUE(IsCheckFirst({VLT("/check")}));
  EXPECT_TRUE(IsCheckFirst({VLT("/CHECK"), VLT("x.bsf")}));
  EXPECT_FALSE(IsCheckFirst({}));
  EXPECT_FALSE(IsCheckFirst({VLT("x.bsf"), VLT("/check")}));
  EXPECT_FALSE(IsCheckFirst({VLT("-check")}));
  EXPECT_FALSE(IsCheckFirst({VLT("/checks")}));
}

TEST(StartupSequence, FactsFromTheSetsSettings) {
  EXPECT_TRUE(MakeStartupFacts({}, VLT("ok"), false, 0).autoConnect);
  EXPECT_FALSE(MakeStartupFacts({}, VLT("OK "), false, 0).autoConnect);
  EXPECT_FALSE(MakeStartupFacts({}, VLT(""), false, 0).autoConnect);
  EXPECT_TRUE(MakeStartupFacts({}, VLT(""), true, 2).realTime);
  EXPECT_FALSE(MakeStartupFacts({}, VLT(""), false, 2).realTime);
  EXPECT_FALSE(MakeStartupFacts({}, VLT(""), true, 1).realTime);
}

}  // namespace
}  // namespace vl
