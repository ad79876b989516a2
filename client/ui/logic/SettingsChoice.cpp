#include "client/ui/logic/SettingsChoice.h"

#include "client/model/SettingRanges.h"
#include "client/model/Settings.h"
#include "core/rules/AsciiCase.h"
#include "resources/client/resource.h"

namespace vl {
namespace {

// One interval field's check: empty or out of range resets it (empty hours excepted) and, with
// automatic backup on, refuses it. True when the field passed.
bool CheckField(String& text, const IntervalRange& range, bool autoBackup, bool keepEmpty,
                IntervalField field, int messageId, SettingsOkOutcome& outcome) {
  const IntervalVerdict verdict = CheckInterval(text, range);
  if (verdict == IntervalVerdict::kAccepted) return true;
  const bool empty = verdict == IntervalVerdict::kEmpty;
  if (!(empty && keepEmpty && autoBackup)) text = range.resetText;
  if (!autoBackup) return true;
  outcome = SettingsOkOutcome{false, messageId, field, !empty};
  return false;
}

}  // namespace

SettingsChoice ChoiceFromSettings(const CSettings& settings, bool autostart) {
  SettingsChoice choice;
  choice.autostart = autostart;
  // As start-up reads it, so the box shows what the next start will do.
  choice.autoConnect = EqualsIgnoringAsciiCase(settings.m_strAutoConnect, VLT("OK"));
  choice.autoBackup = settings.m_bAutoBackup;
  choice.backupMode = settings.m_nBackupMode;
  choice.period = settings.m_strPeriod;
  choice.idleTime = settings.m_strIdleTime;
  choice.historyMode = settings.m_nHistoryMode;
  return choice;
}

SettingsControlStates EnabledControls(const SettingsChoice& choice) {
  const bool on = choice.autoBackup != 0;
  return {on, on && choice.backupMode == kPeriodicMode, on && choice.backupMode == kIdleMode};
}

SettingsOkOutcome CheckSettingsOnOk(SettingsChoice& choice) {
  SettingsOkOutcome outcome;
  const bool on = choice.autoBackup != 0;
  if (!CheckField(choice.period, kPeriodHours, on, true, IntervalField::kHours,
                  IDS_MSG_PERIOD_RANGE, outcome))
    return outcome;
  CheckField(choice.idleTime, kIdleMinutes, on, false, IntervalField::kMinutes,
             IDS_MSG_IDLE_TIME_RANGE, outcome);
  return outcome;
}

}  // namespace vl
