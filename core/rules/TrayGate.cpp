#include "core/rules/TrayGate.h"

namespace vl {

TrayGate GateTrayNotification(bool runActive, bool popup) {
  if (runActive) return TrayGate::skippedByRun;
  if (popup) return TrayGate::skippedByPopup;
  return TrayGate::pass;
}

}  // namespace vl
