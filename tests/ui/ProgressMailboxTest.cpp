// The worker's progress on its way to the window: one wake-up per batch, the newest of each
// kind taken, nothing lost at the end of a run, and no torn state between two threads.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "client/ui/logic/ProgressMailbox.h"

namespace vl::test {
namespace {

ProgressUpdate Percent(int percent) { return ProgressUpdate{percent, std::nullopt, std::nullopt}; }
ProgressUpdate Status(const String& text) {
  return ProgressUpdate{std::nullopt, text, std::nullopt};
}
ProgressUpdate Caption(const String& text) {
  return ProgressUpdate{std::nullopt, std::nullopt, text};
}

TEST(ProgressMailbox, WakesTheWindowOncePerBatchAndHandsOverTheNewest) {
  ProgressMailbox box;
  EXPECT_TRUE(box.Put(Status(VLT("Backup: a.txt (10 %)"))));
  EXPECT_FALSE(box.Put(Percent(10)));
  EXPECT_FALSE(box.Put(Status(VLT("Backup: b.txt (20 %)"))));
  EXPECT_FALSE(box.Put(Caption(VLT("Vaultline (20 %)"))));
  EXPECT_FALSE(box.Put(Percent(20)));

  const ProgressUpdate update = box.Take();
  EXPECT_EQ(update.percent, 20);
  EXPECT_EQ(update.status, String(VLT("Backup: b.txt (20 %)")));
  EXPECT_EQ(update.caption, String(VLT("Vaultline (20 %)")));

  // Taken: the next update must wake the window again, and only what is new is handed over.
  EXPECT_TRUE(box.Put(Percent(30)));
  const ProgressUpdate next = box.Take();
  EXPECT_EQ(next.percent, 30);
  EXPECT_FALSE(next.status.has_value()) << "an old status would be shown again";
  EXPECT_FALSE(next.caption.has_value());
}

TEST(ProgressMailbox, TakingWithNothingNewGivesNothing) {
  ProgressMailbox box;
  const ProgressUpdate update = box.Take();
  EXPECT_FALSE(update.percent || update.status || update.caption);
  EXPECT_TRUE(box.Put(Caption(VLT("Vaultline")))) << "an empty take must not swallow a wake-up";
}

// The worker and the window at full speed: every wake-up the worker asks for is answered with a
// take, and the last percentage the worker left is the last one the window sees.
TEST(ProgressMailbox, TheWindowEndsOnTheWorkersLastUpdate) {
  ProgressMailbox box;
  std::atomic<int> wakeUps{0};
  std::atomic<bool> done{false};
  constexpr int kLast = 20000;
  std::thread worker([&] {
    for (int percent = 0; percent <= kLast; ++percent) {
      if (box.Put(Percent(percent))) ++wakeUps;
    }
    done = true;
  });
  int shown = -1;
  int takes = 0;
  auto takeOnce = [&] {
    const ProgressUpdate update = box.Take();
    if (!update.percent) return;
    ++takes;
    EXPECT_GE(*update.percent, shown) << "an older percentage came after a newer one";
    shown = *update.percent;
  };
  while (!done) takeOnce();
  worker.join();
  takeOnce();
  EXPECT_EQ(shown, kLast);
  EXPECT_LE(takes, wakeUps.load());
}

}  // namespace
}  // namespace vl::test
