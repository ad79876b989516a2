#pragma once
// The settings dialog: start with Windows, connect the NAS at start (and the NAS dialog), when
// backups start by themselves, how replaced files are kept, and a synchronizing run on request.
// Modal; the frame shows it from the tray menu and applies what it answers.
#include <windows.h>

#include <functional>

#include "client/ui/logic/SettingsChoice.h"

namespace vl {

class CWnd;

struct SettingsDialogInput {
  // Shows the NAS dialog over the settings dialog; IDOK when it stored new NAS settings.
  std::function<INT_PTR(CWnd& parent)> openNasDialog;
  // True when the set holds a NAS address and a share name.
  std::function<bool()> nasConfigured;
};

// Shows the dialog over parent, starting from choice. True when it closed with OK or through
// the reset button, and choice then holds the answer; false when it was cancelled or could not
// be made (GetLastError tells which).
bool ShowSettingsDialog(CWnd& parent, SettingsChoice& choice, const SettingsDialogInput& input);

}  // namespace vl
