#pragma once
// The backup dialog's handling of items and target, apart from its window: loading the list,
// checking the target, adding (browsed or dropped folders), selecting, deleting, choosing the
// target and opening the folder behind a clicked line. Nothing that changes the items or the
// target happens while a run is active, since the worker reads them.
#include <vector>

#include "client/ui/logic/RunControl.h"
#include "core/base/String.h"

namespace vl {

class CSource;
class IBackupDialogView;
class IBackupServices;
class IDriveSet;
class IFileSystem;

class CBackupDialogLogic {
 public:
  CBackupDialogLogic(IBackupServices& services, IBackupDialogView& view, IFileSystem& fs,
                     const IDriveSet& drives, CRunControl& run);

  // ShowBackupDialog's reload, when no run is active: empties the list, checks the target,
  // shows it, and lists every item after recognising it.
  void Reload();
  // Fills an empty target with the default, asks IDS_ASK_DEFAULT_TARGET when the target cannot
  // be reached (Yes: the default target, saved), and sets the target flag and line colour.
  void CheckTarget();
  // The target line from the settings, fitted by the view; the full path to the application.
  void ShowTarget();

  // Adds a folder: IDS_MSG_ALREADY_REGISTERED for a duplicate; otherwise appended, listed,
  // selected and saved, and then started at once (real-time backup running) or offered
  // (IDS_ASK_BACKUP_NOW).
  void AddSourceItem(const String& path);
  // Command IDC_BACKUP_ADD: the folder browser (title IDS_TITLE_BROWSE_ITEM), then
  // AddSourceItem.
  void AddByBrowsing();
  // Dropped paths: folders are added, files ignored; IDS_MSG_ONLY_FOLDERS when none was a
  // folder.
  void AddDroppedPaths(const std::vector<String>& paths);
  // Saves the set, then shows the selected item's path when it is recognised.
  void SelectionChanged();
  // WM_DELETE_ITEM: asks IDS_ASK_DELETE_ITEM; the set is saved whatever the answer.
  void DeleteItem(int index);
  // Command IDC_BACKUP_LOCATION: the folder browser (title IDS_TITLE_BROWSE_TARGET) starting
  // at the target; saved when chosen.
  void ChooseTarget();
  // WM_LINK_CLICK from the source line (its text) and from the target line.
  void OpenSourceLine(const String& lineText);
  void OpenTargetLine();

  CSource* m_pShownItem = nullptr;
  String m_strSourceLine;
  uint32_t m_crTargetLine = 0;

 private:
  bool RunActive() const { return m_run.IsRunActive(); }
  void SetTargetFound(bool found);
  void OfferBackupNow();
  void RemoveItem(int index, CSource* item);
  void ClearSourceLine();
  // Opens path when it is a folder, its parent folder when it is a file, nothing when its
  // status cannot be read.
  void OpenPathOrParent(const String& path);

  IBackupServices& m_services;
  IBackupDialogView& m_view;
  IFileSystem& m_fs;
  const IDriveSet& m_drives;
  CRunControl& m_run;
};

}  // namespace vl
