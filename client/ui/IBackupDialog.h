#pragma once
// What the main frame needs of the backup dialog it owns. The program hands the frame a maker
// for it, so the frame itself knows no dialog class and its tests can stand one in.
#include <windows.h>

#include <functional>
#include <memory>

namespace vl {

class CWnd;

// The dialog's target line, coloured by the frame whenever a device change may have made the
// backup target reachable or unreachable.
class ITargetLine {
 public:
  virtual ~ITargetLine() = default;
  virtual void SetTargetLineColour(COLORREF colour) = 0;
};

class IBackupDialog : public ITargetLine {
 public:
  // True while a backup worker runs; tray clicks and exit are refused then.
  virtual bool IsRunActive() const = 0;
  // Brings the dialog on screen (the tray's "open" command).
  virtual void ShowBackupDialog() = 0;
  // A backup run that asks nothing and shows no report, started by a posted start command
  // once the caller's handler has returned.
  virtual void StartAutomaticBackup() = 0;
  // The same run, which also deletes from the target what the sources no longer have, their
  // history folders included.
  virtual void StartSynchronizingBackup() = 0;
};

// Makes the modeless dialog with frame as its parent; null when it could not be made, and then
// no backup run is ever active.
using BackupDialogMaker = std::function<std::unique_ptr<IBackupDialog>(CWnd& frame)>;

}  // namespace vl
