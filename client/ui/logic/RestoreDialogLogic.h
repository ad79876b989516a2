#pragma once
// The restore dialog's decisions, apart from its window: which path it shows the versions of,
// which version is selected, where a restore goes and when it asks first. A restore never
// replaces anything unasked, and never starts while a backup run (which writes the same
// target) or another restore is under way.
#include <functional>
#include <vector>

#include "client/engine/restore/Restore.h"
#include "client/engine/restore/Versions.h"
#include "client/ui/logic/RestoreDialogView.h"

namespace vl {

class CSourceList;
class IDriveSet;
class IFileSystem;
class ITextProvider;

struct RestoreSetting {
  const IFileSystem& fs;
  const IDriveSet& drives;
  CSourceList& items;
  String targetFolder;
  // True while a backup run is active.
  std::function<bool()> backupRunning;
};

class CRestoreDialogLogic {
 public:
  CRestoreDialogLogic(const RestoreSetting& setting, IRestoreDialogView& view,
                      IRestoreWorker& worker, const ITextProvider& texts);

  // The dialog as it opens: the hint instead of a path, no versions, nothing to restore.
  void Open();
  // The browse button, and paths dropped from the shell (the first one counts).
  void BrowseForSource();
  void DropPaths(const std::vector<String>& paths);
  // Lists the versions of path; the current copy (else the newest) is selected.
  void Pick(const String& path);
  // The list's selection changed.
  void SelectionChanged();
  // The two restore buttons: back where the source was, or into a chosen folder.
  void RestoreToPlace();
  void RestoreToFolder();
  // The worker's outcome: reported, and the list read again (a replace added a version).
  void OnRestoreDone(const RestoreOutcome& outcome);
  // False, after saying why, while a restore copies: the window must not go from under it.
  bool CanClose();

  bool Busy() const { return m_busy; }
  const VersionList& Versions() const { return m_list; }

 private:
  const FileVersion* SelectedVersion() const;
  void ShowVersions(int selectRow);
  void Restore(const String& destination);
  bool MayStart();
  void Refresh();

  RestoreSetting m_setting;
  IRestoreDialogView& m_view;
  IRestoreWorker& m_worker;
  const ITextProvider& m_texts;
  VersionList m_list;
  bool m_busy = false;
  String m_lastDestination;
};

}  // namespace vl
