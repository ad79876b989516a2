#pragma once
// What the settings dialog edits, and the rules of its controls apart from any window: which
// controls are enabled, and what OK does with the two interval fields.
#include <cstdint>

#include "core/base/String.h"

namespace vl {

class CSettings;

// The dialog's own copy of the settings it shows.
struct SettingsChoice {
  bool autostart = false;    // the Run value names this program
  bool autoConnect = false;  // the set's auto-connect text is "OK"
  int32_t autoBackup = 0;
  int32_t backupMode = 0;    // 0 periodic, 1 after idle time, 2 real time
  String period;             // hours, as typed
  String idleTime;           // minutes, as typed
  int32_t historyMode = 0;   // 0 archive, 1 overwrite
  bool synchronize = false;  // the reset button asked for a synchronizing run
};

// The choice as the settings hold it; autostart comes from the registry, not the set.
SettingsChoice ChoiceFromSettings(const CSettings& settings, bool autostart);

struct SettingsControlStates {
  bool modes;    // the three mode radio buttons
  bool hours;    // the period edit
  bool minutes;  // the idle-time edit
};

SettingsControlStates EnabledControls(const SettingsChoice& choice);

enum class IntervalField { kNone, kHours, kMinutes };

// What the dialog does after OK's checks: close, or stay with a message, the focus on a field
// and, for a value that was out of range, its text selected.
struct SettingsOkOutcome {
  bool close = true;
  int messageId = 0;  // 0: no message
  IntervalField focus = IntervalField::kNone;
  bool selectText = false;
};

// OK's checks, in the dialog's order; a refused interval is reset to its default in choice
// (except empty hours with automatic backup on, which stay empty), so the caller shows the
// data again whatever the outcome. With automatic backup off nothing is refused.
SettingsOkOutcome CheckSettingsOnOk(SettingsChoice& choice);

}  // namespace vl
