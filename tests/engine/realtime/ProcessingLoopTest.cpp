// The change-processing thread: it must keep applying changes across a stop that is followed
// at once by a start, must not apply any while a backup run is active, and must end promptly
// when its owner goes, even in the middle of a pass.
#include "client/engine/realtime/ProcessingLoop.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "client/engine/realtime/LostChanges.h"

namespace vl {
namespace {

using namespace std::chrono_literals;

// Polls until done() or a generous limit; the loop's own pause is kept short in these tests.
template <typename F>
bool Eventually(F done) {
  for (int i = 0; i < 2000 && !done(); ++i) std::this_thread::sleep_for(1ms);
  return done();
}

TEST(ProcessingLoop, StartRightAfterStopKeepsPassesComing) {
  std::atomic<int> passes{0};
  CProcessingLoop loop([&](const std::atomic<bool>&) { ++passes; }, [] { return false; }, 5);
  ASSERT_TRUE(loop.Start());
  ASSERT_TRUE(Eventually([&] { return passes > 0; }));
  for (int round = 0; round < 20; ++round) {
    loop.RequestStop();
    EXPECT_FALSE(loop.IsRunning());
    ASSERT_TRUE(loop.Start());
  }
  const int before = passes;
  EXPECT_TRUE(Eventually([&] { return passes > before + 3; }));
  EXPECT_TRUE(loop.IsRunning());
}

TEST(ProcessingLoop, SkipsPassesWhileARunIsActive) {
  std::atomic<int> passes{0};
  std::atomic<bool> runActive{true};
  std::atomic<int> asked{0};
  CProcessingLoop loop([&](const std::atomic<bool>&) { ++passes; },
                       [&] {
                         ++asked;
                         return runActive.load();
                       },
                       2);
  ASSERT_TRUE(loop.Start());
  ASSERT_TRUE(Eventually([&] { return asked > 5; }));
  EXPECT_EQ(passes, 0);
  runActive = false;
  EXPECT_TRUE(Eventually([&] { return passes > 0; }));
}

TEST(ProcessingLoop, OwnerGoingEndsALongPassAtItsNextRecord) {
  std::atomic<bool> inPass{false};
  const auto started = std::chrono::steady_clock::now();
  {
    CProcessingLoop loop(
        [&](const std::atomic<bool>& stop) {
          inPass = true;
          while (!stop) std::this_thread::sleep_for(1ms);  // records, one after another
        },
        [] { return false; }, 500);
    ASSERT_TRUE(loop.Start());
    ASSERT_TRUE(Eventually([&] { return inPass.load(); }));
  }
  EXPECT_LT(std::chrono::steady_clock::now() - started, 2s);
}

TEST(LostChanges, RunComesOnceAfterTheBurstHasBeenQuiet) {
  CLostChanges lost(1000);
  EXPECT_FALSE(lost.TakeDue(5000, true));  // nothing lost yet
  lost.NoteChange(4000);
  EXPECT_FALSE(lost.Pending());
  const uint32_t start = 0xFFFFFF00u;  // across the tick counter's wrap
  lost.NoteLost(start);
  lost.NoteChange(start + 600);
  EXPECT_FALSE(lost.TakeDue(start + 1500, true));
  EXPECT_FALSE(lost.TakeDue(start + 1700, false));  // a run is going: keep waiting
  EXPECT_TRUE(lost.TakeDue(start + 1700, true));
  EXPECT_FALSE(lost.TakeDue(start + 5000, true));
}

}  // namespace
}  // namespace vl
