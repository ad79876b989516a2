#pragma once
// The restore dialog's window as its logic sees it, and the worker that copies a version back
// while the window stays responsive. Everything here is called on the user-interface thread.
#include <vector>

#include "client/engine/restore/Versions.h"
#include "client/ui/logic/VersionRowText.h"
#include "core/base/String.h"

namespace vl {

class IRestoreDialogView {
 public:
  virtual ~IRestoreDialogView() = default;

  // Message boxes with a string-table text whose %s is filled with insert; the title is the
  // application's.
  virtual void ShowMessage(TextId textId, const String& insert) = 0;  // OK, information
  virtual void ShowFailure(TextId textId, const String& insert) = 0;  // OK, error icon
  virtual bool AskYesNo(TextId textId, const String& insert) = 0;     // true for Yes

  // The shell's browser over files and folders (the picked source), and over folders only,
  // starting at initial (the folder to restore into); true with the chosen path.
  virtual bool BrowseForSource(String& chosen) = 0;
  virtual bool BrowseForFolder(const String& initial, String& chosen) = 0;

  // The picked path above the list; empty: the hint that asks for one.
  virtual void ShowSourcePath(const String& path) = 0;
  // The version list, replaced whole; and its selected row (-1: none).
  virtual void ShowVersions(const std::vector<VersionRow>& rows) = 0;
  virtual void SelectVersion(int row) = 0;
  virtual int SelectedVersion() const = 0;
  // The two restore buttons.
  virtual void EnableRestore(bool enable) = 0;
  // While a restore copies: the status line says so and nothing can be picked or pressed.
  virtual void ShowBusy(bool busy) = 0;
};

// One restore as the worker carries it out: its own copies of everything, so nothing the
// window owns is shared with the copying thread.
struct RestoreJob {
  VersionList list;
  FileVersion version;
  String destination;
  bool replace = false;
};

class IRestoreWorker {
 public:
  virtual ~IRestoreWorker() = default;
  // Starts the copy; its outcome comes back to the logic's OnRestoreDone on the user-interface
  // thread. False when no copy could be started (and none will report).
  virtual bool Start(RestoreJob job) = 0;
};

}  // namespace vl
