#pragma once
// Whether a click on the notification-area icon may reach the icon's menu. A running backup
// wins over an open box so that the trace names the stronger reason.
namespace vl {

enum class TrayGate {
  pass,
  skippedByRun,    // a backup run is active
  skippedByPopup,  // the frame shows a box or dialog, or has not finished starting
};

TrayGate GateTrayNotification(bool runActive, bool popup);

}  // namespace vl
