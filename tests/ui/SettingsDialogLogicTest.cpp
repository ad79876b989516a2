// The settings dialog's rules without a window: OK's checks of the two intervals, which
// controls are enabled, and the order in which the frame applies an accepted answer.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "client/model/Settings.h"
#include "client/ui/logic/SettingsApply.h"
#include "client/ui/logic/SettingsChoice.h"
#include "resources/client/resource.h"
#include "tests/ui/CallLog.h"

namespace vl {
namespace {

using test::CallLog;
using test::Narrow;
using Log = std::vector<std::string>;

TEST(SettingsOk, IntervalsAreRefusedOnlyWithAutomaticBackupOn) {
  using F = IntervalField;
  const struct {
    const char* what;
    int32_t autoBackup, mode;
    const Char *period, *idle;
    bool close;
    int message;
    F focus;
    bool select;
    const Char *periodAfter, *idleAfter;
  } cases[] = {
      {"off: bad values are reset silently", 0, 0, VLT("0"), VLT(""), true, 0, F::kNone, false,
       VLT("4"), VLT("10")},
      {"off: empty hours become 4", 0, 1, VLT(""), VLT("121"), true, 0, F::kNone, false,
       VLT("4"), VLT("10")},
      {"on: the edges are accepted", 1, 0, VLT("24"), VLT("120"), true, 0, F::kNone, false,
       VLT("24"), VLT("120")},
      {"on: digits then letters read as the digits", 1, 0, VLT(" 7x"), VLT("1"), true, 0,
       F::kNone, false, VLT(" 7x"), VLT("1")},
      {"on: empty hours stay empty", 1, 0, VLT(""), VLT("10"), false, IDS_MSG_PERIOD_RANGE,
       F::kHours, false, VLT(""), VLT("10")},
      {"on, real time: hours still checked", 1, 2, VLT("25"), VLT("10"), false,
       IDS_MSG_PERIOD_RANGE, F::kHours, true, VLT("4"), VLT("10")},
      {"on: hours first, minutes untouched", 1, 0, VLT("abc"), VLT("999"), false,
       IDS_MSG_PERIOD_RANGE, F::kHours, true, VLT("4"), VLT("999")},
      {"on: empty minutes become 10 before the message", 1, 1, VLT("4"), VLT(""), false,
       IDS_MSG_IDLE_TIME_RANGE, F::kMinutes, false, VLT("4"), VLT("10")},
      {"on: minutes out of range", 1, 1, VLT("4"), VLT("0"), false, IDS_MSG_IDLE_TIME_RANGE,
       F::kMinutes, true, VLT("4"), VLT("10")},
  };
  for (const auto& c : cases) {
    SettingsChoice choice;
    choice.autoBackup = c.autoBackup;
    choice.backupMode = c.mode;
    choice.period = c.period;
    choice.idleTime = c.idle;
    const SettingsOkOutcome outcome = CheckSettingsOnOk(choice);
    EXPECT_EQ(outcome.close, c.close) << c.what;
    EXPECT_EQ(outcome.messageId, c.message) << c.what;
    EXPECT_EQ(outcome.focus, c.focus) << c.what;
    EXPECT_EQ(outcome.selectText, c.select) << c.what;
    EXPECT_EQ(Narrow(choice.period), Narrow(c.periodAfter)) << c.what;
    EXPECT_EQ(Narrow(choice.idleTime), Narrow(c.idleAfter)) << c.what;
  }
}

TEST(SettingsControls, EachIntervalIsEditableOnlyInItsOwnMode) {
  const struct {
    int32_t autoBackup, mode;
    bool modes, hours, minutes;
  } cases[] = {{0, 0, false, false, false}, {0, 1, false, false, false}, {1, 0, true, true, false},
               {1, 1, true, false, true},   {1, 2, true, false, false}};
  for (const auto& c : cases) {
    SettingsChoice choice;
    choice.autoBackup = c.autoBackup;
    choice.backupMode = c.mode;
    const SettingsControlStates states = EnabledControls(choice);
    EXPECT_EQ(states.modes, c.modes) << c.autoBackup << "/" << c.mode;
    EXPECT_EQ(states.hours, c.hours) << c.autoBackup << "/" << c.mode;
    EXPECT_EQ(states.minutes, c.minutes) << c.autoBackup << "/" << c.mode;
  }
}

// Records each step; the saved set is described as it stood when it was saved.
class RecordingHost : public ISettingsApplyHost {
 public:
  RecordingHost(const CSettings& settings, bool items, bool yes)
      : m_settings(settings), m_items(items), m_yes(yes) {}
  void StartRealTime() override { log.Add("start real time"); }
  void StopRealTime() override { log.Add("stop real time"); }
  void ConnectNas() override { log.Add("connect"); }
  void DisconnectNas() override { log.Add("disconnect"); }
  void WriteAutostart(bool on) override { log.Add(on ? "autostart on" : "autostart off"); }
  void SaveSet() override {
    log.Add("save auto=" + std::to_string(m_settings.m_bAutoBackup) +
            " mode=" + std::to_string(m_settings.m_nBackupMode) +
            " history=" + std::to_string(m_settings.m_nHistoryMode) + " period=" +
            Narrow(m_settings.m_strPeriod) + " connect=" + Narrow(m_settings.m_strAutoConnect));
  }
  void ArmBackupTimers() override { log.Add("arm"); }
  bool HasItems() const override { return m_items; }
  bool AskBackupNow() override {
    log.Add("ask 173");
    return m_yes;
  }
  void StartAutomaticRun(bool synchronize) override {
    log.Add(synchronize ? "run synchronizing" : "run");
  }
  CallLog log;

 private:
  const CSettings& m_settings;
  bool m_items;
  bool m_yes;
};

TEST(SettingsApply, StepsRunInOrderAndOnlyASwitchToRealTimeOffersARun) {
  const struct {
    const char* what;
    int32_t autoBefore, modeBefore, autoAfter, modeAfter;
    bool connect, synchronize, items, yes;
    Log expected;
  } cases[] = {
      {"periodic to real time, Yes", 1, 0, 1, 2, false, false, true, true,
       {"start real time", "disconnect", "autostart on",
        "save auto=1 mode=2 history=1 period=5 connect=", "arm", "ask 173", "run"}},
      {"periodic to real time, No", 1, 0, 1, 2, true, false, true, false,
       {"start real time", "connect", "autostart on",
        "save auto=1 mode=2 history=1 period=5 connect=OK", "arm", "ask 173"}},
      {"real time switched on without items asks nothing", 0, 2, 1, 2, false, false, false, true,
       {"start real time", "disconnect", "autostart on",
        "save auto=1 mode=2 history=1 period=5 connect=", "arm"}},
      {"real time to idle stops it and asks nothing", 1, 2, 1, 1, false, false, true, true,
       {"stop real time", "disconnect", "autostart on",
        "save auto=1 mode=1 history=1 period=5 connect=", "arm"}},
      {"automatic backup off stops real time", 1, 2, 0, 2, false, false, true, true,
       {"stop real time", "disconnect", "autostart on",
        "save auto=0 mode=2 history=1 period=5 connect=", "arm"}},
      {"real time kept: neither restarted nor asked", 1, 2, 1, 2, false, false, true, true,
       {"disconnect", "autostart on", "save auto=1 mode=2 history=1 period=5 connect=", "arm"}},
      {"a synchronize request wins over the offer", 1, 0, 1, 2, false, true, true, true,
       {"start real time", "disconnect", "autostart on",
        "save auto=1 mode=2 history=1 period=5 connect=", "arm", "run synchronizing"}},
  };
  for (const auto& c : cases) {
    CSettings settings;
    settings.m_bAutoBackup = c.autoBefore;
    settings.m_nBackupMode = c.modeBefore;
    SettingsChoice choice;
    choice.autostart = true;
    choice.autoConnect = c.connect;
    choice.autoBackup = c.autoAfter;
    choice.backupMode = c.modeAfter;
    choice.period = VLT("5");
    choice.idleTime = VLT("10");
    choice.historyMode = 1;
    choice.synchronize = c.synchronize;
    RecordingHost host(settings, c.items, c.yes);
    ApplySettings(choice, settings, host);
    EXPECT_EQ(host.log.Entries(), c.expected) << c.what;
  }
}

}  // namespace
}  // namespace vl
