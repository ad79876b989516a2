#pragma once
// The restore dialog: pick a file or folder (browsed, or dropped from the shell), see the
// versions the backup keeps of it, and bring one back to its place or into a folder. Modal;
// the frame shows it from the tray menu.
#include <functional>

#include "client/model/SourceList.h"
#include "core/base/String.h"

namespace vl {

class CWnd;

struct RestoreDialogInput {
  // The set's items. The dialog works on a copy: finding versions recognises items anew and
  // may rewrite a moved drive letter, which must not happen under a backup worker reading them.
  const CSourceList* items = nullptr;
  String targetFolder;
  // True while a backup run is active: no restore starts then.
  std::function<bool()> backupRunning;
};

// Shows the dialog over parent until the user closes it; false when it could not be made.
bool ShowRestoreDialog(CWnd& parent, const RestoreDialogInput& input);

}  // namespace vl
