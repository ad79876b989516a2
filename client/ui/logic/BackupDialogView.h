#pragma once
// The backup dialog's window as its logic sees it. Everything here is called on the
// user-interface thread except IRunWindow, which the backup worker calls.
#include <cstdint>

#include "client/engine/ProgressView.h"
#include "client/engine/RunCompletion.h"
#include "client/engine/RunState.h"
#include "core/base/String.h"

namespace vl {

class CSource;

// Colour references (0x00BBGGRR) of the target line.
constexpr uint32_t kTargetFoundColour = 0xFF0000;    // blue
constexpr uint32_t kTargetMissingColour = 0x808080;  // grey

enum class BoxIcon { information, question };

class IBackupDialogView {
 public:
  virtual ~IBackupDialogView() = default;

  // Message boxes with a string-table text; the title is the application's.
  virtual void ShowMessage(uint32_t textId) = 0;                 // OK, information icon
  // The same with the text's %s filled with insert.
  virtual void ShowMessageWith(uint32_t textId, const String& insert) = 0;
  virtual bool AskYesNo(uint32_t textId, BoxIcon icon) = 0;      // true for Yes

  // The item list (IDC_BACKUP_LIST): one entry per item, the record as its data (not owned).
  virtual void ClearItemList() = 0;
  virtual int AddItemEntry(CSource* item) = 0;  // the entry's index
  virtual void DeleteItemEntry(int index) = 0;
  virtual void SelectItemEntry(int index) = 0;
  virtual int SelectedItemEntry() const = 0;    // -1 when nothing is selected
  virtual CSource* ItemAt(int index) const = 0; // null for a bad index
  virtual void RedrawItemList() = 0;

  // The source line (IDC_BACKUP_SOURCE_LINE): an empty text clears it (hidden and shown
  // again).
  virtual void ShowSourceLine(const String& text) = 0;
  // The target line (IDC_BACKUP_TARGET_LINE): fullPath fitted to the line's width, drawn in
  // colour.
  virtual void ShowTargetLine(const String& fullPath, uint32_t colour) = 0;

  // running: progress bar (IDC_BACKUP_PROGRESS, position 0) and Stop (IDC_BACKUP_STOP) shown,
  // Backup (IDC_BACKUP_START) hidden and the source line inactive; idle: the reverse, bar
  // position 0, and the dialog redrawn.
  virtual void ShowRunControls(bool running) = 0;
  // The report dialog over the last run's errors and counters, modal.
  virtual void ShowReport(const ErrorList& errors, const RunStats& stats) = 0;
  // Posts command IDC_BACKUP_START (start a backup) to the dialog.
  virtual void PostStartCommand() = 0;

  // The shell's folder browser with a string-table title, starting at initial (empty: no
  // selection); true with the chosen folder's path.
  virtual bool BrowseForFolder(uint32_t titleId, const String& initial, String& chosen) = 0;
  // Opens a folder with the shell's "open" verb.
  virtual void OpenFolder(const String& path) = 0;
};

// What the backup worker does to the window: progress (bar, status line, caption, all
// synchronous), the item list disabled for the run, and the completion message 2029.
class IRunWindow : public IProgressView {
 public:
  virtual void EnableItemList(bool enable) = 0;
  virtual void PostBackupDone(RunCompletion code) = 0;
};

}  // namespace vl
