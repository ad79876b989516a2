#pragma once
// One press of the install button: the target folder checked (and made, for the proposed
// folder and a removable disk), the payloads written, for a PC the shortcuts and the registry
// value, and the offer to start the client. Every stop before the question leaves the dialog
// open for the user to correct what was wrong.
#include "installer/logic/InstallHost.h"
#include "installer/logic/Payloads.h"

namespace vl::installer {

// The system's folders, as the program found them.
struct InstallFolders {
  String programFiles;
  String windows;
  String desktop;   // the current user's
  String programs;  // the current user's Start-menu programs
};

struct InstallRequest {
  InstallKind kind = InstallKind::pc;
  String folderText;     // the edit's text (PC)
  String defaultFolder;  // the folder proposed at start
  String volumeRoot;     // the selected volume (removable); empty when none is
  bool desktopIcon = true;
  String uninstallName;  // the remover shortcut's name and description, in the user's language
};

enum class InstallOutcome {
  stayed,    // stopped with a message; the dialog stays open
  finished,  // the question was answered; the dialog closes
};

InstallOutcome RunInstall(const InstallRequest& request, const InstallFolders& folders,
                          IInstallHost& host);

}  // namespace vl::installer
