// The automatic-backup timers on a clock the test moves: which timer an arming starts, when
// the periodic and the idle rule start a run, and both across the wrap of their counters.
#include <gtest/gtest.h>

#include <iterator>
#include <vector>

#include "client/model/SettingRanges.h"
#include "client/model/Settings.h"
#include "client/ui/logic/AutoBackupSchedule.h"
#include "tests/ui/CallLog.h"

namespace vl {
namespace {

constexpr uint32_t kMinute = 60000;

struct FakeTicks : ITickSource {
  explicit FakeTicks(uint32_t start) : now(start) {}
  uint32_t now;
  uint32_t TickCount() const override { return now; }
};

struct FakeInput : ILastInputSource {
  bool known = true;
  uint32_t tick = 0;
  bool LastInputTick(uint32_t& t) const override {
    t = tick;
    return known;
  }
};

// Records the timers that run and the automatic starts.
struct FakeHost : IScheduleHost {
  bool idleRunning = false;
  bool periodicRunning = false;
  int starts = 0;
  std::vector<uint32_t> traced;
  void StartTimer(BackupTimer timer, uint32_t) override { Flag(timer) = true; }
  void StopTimer(BackupTimer timer) override { Flag(timer) = false; }
  void StartAutomaticBackup() override { ++starts; }
  void TraceMinutes(uint32_t minutes, const String&) override { traced.push_back(minutes); }
  bool& Flag(BackupTimer timer) {
    return timer == BackupTimer::idle ? idleRunning : periodicRunning;
  }
};

CSettings Automatic(int32_t mode, const Char* idleMinutes, const Char* periodHours) {
  CSettings s;
  s.m_bAutoBackup = 1;
  s.m_nBackupMode = mode;
  s.m_strIdleTime = idleMinutes;
  s.m_strPeriod = periodHours;
  return s;
}

struct ScheduleTest : ::testing::Test {
  explicit ScheduleTest(uint32_t startTick = 0) : ticks(startTick) {}
  FakeTicks ticks;
  FakeInput input;
  FakeHost host;
  uint32_t minutes = 0;
  CAutoBackupSchedule schedule{host, minutes, ticks, input};

  // Minutes counted until the first automatic start; 0 when none within limit.
  uint32_t MinutesToFirstRun(const CSettings& s, uint32_t limit) {
    for (uint32_t i = 1; i <= limit; ++i) {
      schedule.OnPeriodicTimer(&s);
      if (host.starts > 0) return i;
      if (!host.periodicRunning) return 0;
    }
    return 0;
  }
};

TEST(SettingNumber, ReadsLeadingDecimalDigitsAndCountsTheRestAsZero) {
  const struct {
    const Char* text;
    uint32_t value;
  } cases[] = {{VLT("10"), 10},  {VLT(" 4"), 4}, {VLT("+7"), 7},  {VLT("12abc"), 12},
               {VLT("abc"), 0},  {VLT(""), 0},   {VLT("-5"), 0},  {VLT("1.5"), 1},
               {VLT("99999999999"), 0xFFFFFFFFu}, {VLT("\r\n 3"), 3}};
  for (size_t i = 0; i < std::size(cases); ++i)
    EXPECT_EQ(SettingNumber(cases[i].text), cases[i].value) << "case " << i;
}

TEST(CheckInterval, RefusesEmptyAndOutOfRangeTextsAtBothEnds) {
  using V = IntervalVerdict;
  const struct {
    const Char* text;
    V hours, minutes;
  } cases[] = {
      {VLT(""), V::kEmpty, V::kEmpty},
      {VLT("0"), V::kOutOfRange, V::kOutOfRange},
      {VLT("1"), V::kAccepted, V::kAccepted},
      {VLT("24"), V::kAccepted, V::kAccepted},
      {VLT("25"), V::kOutOfRange, V::kAccepted},
      {VLT("120"), V::kOutOfRange, V::kAccepted},
      {VLT("121"), V::kOutOfRange, V::kOutOfRange},
      {VLT("x3"), V::kOutOfRange, V::kOutOfRange},
      {VLT("-1"), V::kOutOfRange, V::kOutOfRange},
      {VLT(" 3h"), V::kAccepted, V::kAccepted},
      {VLT("4294967297"), V::kOutOfRange, V::kOutOfRange},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CheckInterval(c.text, kPeriodHours), c.hours) << "hours " << test::Narrow(c.text);
    EXPECT_EQ(CheckInterval(c.text, kIdleMinutes), c.minutes) << "minutes " << test::Narrow(c.text);
  }
}

TEST_F(ScheduleTest, ArmingStartsTheTimerOfTheModeOnly) {
  const struct {
    int32_t autoBackup, mode;
    bool idle, periodic;
  } cases[] = {{1, 0, false, true}, {1, 1, true, false}, {1, 2, false, false},
               {1, 7, false, false}, {0, 0, false, false}, {0, 1, false, false}};
  for (const auto& c : cases) {
    host.idleRunning = host.periodicRunning = true;
    CSettings s = Automatic(c.mode, VLT("10"), VLT("4"));
    s.m_bAutoBackup = c.autoBackup;
    schedule.Arm(&s);
    EXPECT_EQ(host.idleRunning, c.idle) << c.autoBackup << " mode " << c.mode;
    EXPECT_EQ(host.periodicRunning, c.periodic) << c.autoBackup << " mode " << c.mode;
  }
  schedule.Arm(nullptr);
  EXPECT_FALSE(host.idleRunning || host.periodicRunning);
}

TEST_F(ScheduleTest, FirstPeriodicRunComesAfterThePeriodInHours) {
  const struct {
    const Char* period;
    uint32_t minutes;
  } cases[] = {{VLT("1"), 60}, {VLT("4"), 240}, {VLT("0"), 1}, {VLT("abc"), 1}};
  for (const auto& c : cases) {
    minutes = 0;
    host.starts = 0;
    host.traced.clear();
    EXPECT_EQ(MinutesToFirstRun(Automatic(0, VLT("10"), c.period), 300), c.minutes)
        << "period hours " << SettingNumber(c.period);
    // No re-arming after the start: the run's end does it.
    EXPECT_FALSE(host.periodicRunning);
    EXPECT_EQ(host.traced.front(), 1u);
    EXPECT_EQ(host.traced.back(), c.minutes);
  }
}

TEST_F(ScheduleTest, MinuteCounterStartsAgainNearTheTopOfItsRange) {
  const struct {
    uint32_t before, after;
  } cases[] = {{0xFFFFFFDFu, 0xFFFFFFE0u}, {0xFFFFFFE0u, 0xFFFFFFE1u},
               {0xFFFFFFE1u, 0}, {0xFFFFFFFFu, 0}};
  const CSettings s = Automatic(0, VLT("10"), VLT("4"));
  for (const auto& c : cases) {
    minutes = c.before;
    schedule.OnPeriodicTimer(&s);
    EXPECT_EQ(minutes, c.after) << std::hex << c.before;
  }
}

TEST_F(ScheduleTest, SwitchingModesKeepsTheMinutesCounted) {
  const CSettings periodic = Automatic(0, VLT("10"), VLT("1"));
  const CSettings idle = Automatic(1, VLT("10"), VLT("1"));
  EXPECT_EQ(MinutesToFirstRun(periodic, 30), 0u);
  schedule.Arm(&idle);
  EXPECT_TRUE(host.idleRunning);
  EXPECT_FALSE(host.periodicRunning);
  EXPECT_EQ(minutes, 30u);
  schedule.Arm(&periodic);
  EXPECT_EQ(MinutesToFirstRun(periodic, 60), 30u);
}

// One idle check: the clock moved on by `after` ms, the user away for `idle` ms.
struct IdleStep {
  uint32_t after, idle;
  bool run;
};

void RunIdleSteps(ScheduleTest& t, const CSettings& s, const std::vector<IdleStep>& steps) {
  for (size_t i = 0; i < steps.size(); ++i) {
    t.ticks.now += steps[i].after;
    t.input.tick = t.ticks.now - steps[i].idle;
    const int before = t.host.starts;
    t.schedule.OnIdleTimer(&s);
    EXPECT_EQ(t.host.starts - before, steps[i].run ? 1 : 0) << "step " << i;
    EXPECT_EQ(t.schedule.LastIdleMs(), steps[i].idle) << "step " << i;
    EXPECT_TRUE(t.host.idleRunning) << "step " << i;
  }
}

TEST_F(ScheduleTest, IdleRunNeedsTheIdleTimeSinceStartAndSinceTheLastIdleRun) {
  // Away for an hour before the start: nothing until the client has run 10 minutes.
  RunIdleSteps(*this, Automatic(1, VLT("10"), VLT("4")),
               {{9 * kMinute, 60 * kMinute, false},
                {kMinute - 1, 70 * kMinute - 1, false},
                {1, 70 * kMinute, true},
                // Still away: the next one 10 minutes after the last one started.
                {5 * kMinute, 75 * kMinute, false},
                {5 * kMinute, 80 * kMinute, true},
                // Back at the keyboard.
                {20 * kMinute, 9 * kMinute, false},
                {kMinute, 10 * kMinute, true}});
}

TEST_F(ScheduleTest, IdleTimeZeroOrNoNumberRunsAtEveryCheck) {
  RunIdleSteps(*this, Automatic(1, VLT("0"), VLT("4")), {{10000, 0, true}, {10000, 0, true}});
  RunIdleSteps(*this, Automatic(1, VLT("x"), VLT("4")), {{10000, 5000, true}});
}

struct WrappedClockTest : ScheduleTest {
  WrappedClockTest() : ScheduleTest(0xFFFFFFFFu - 3 * kMinute) {}
};

TEST_F(WrappedClockTest, IdleRuleHoldsAcrossTheTickWrap) {
  // Both the start and the last input lie before the wrap, the checks after it.
  RunIdleSteps(*this, Automatic(1, VLT("5"), VLT("4")),
               {{4 * kMinute, 5 * kMinute, false}, {kMinute, 6 * kMinute, true},
                {2 * kMinute, 8 * kMinute, false}});
}

TEST_F(ScheduleTest, UnknownLastInputStartsNothingAndChecksAgain) {
  input.known = false;
  ticks.now = 60 * kMinute;
  const CSettings s = Automatic(1, VLT("0"), VLT("4"));
  schedule.OnIdleTimer(&s);
  EXPECT_EQ(host.starts, 0);
  EXPECT_TRUE(host.idleRunning);
}

}  // namespace
}  // namespace vl
