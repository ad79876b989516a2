#pragma once
// What the main frame needs of the backup dialog it owns. The dialog itself is later work: it
// implements these interfaces and the program installs a factory for it before the frame is
// created. Without a factory the frame has no dialog and no backup run is ever active.
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
};

// Makes the modeless dialog with frame as its parent; null when it could not be made.
using BackupDialogFactory = std::function<std::unique_ptr<IBackupDialog>(CWnd& frame)>;

void SetBackupDialogFactory(BackupDialogFactory factory);
// The installed factory's dialog, or null without a factory.
std::unique_ptr<IBackupDialog> MakeBackupDialog(CWnd& frame);

}  // namespace vl
