#include "client/ui/logic/BackupDialogLogic.h"

#include "client/engine/ItemPlacement.h"
#include "client/engine/PathUtil.h"
#include "client/engine/SourceRecognition.h"
#include "client/engine/SourceRegistration.h"
#include "client/engine/TargetCheck.h"
#include "client/model/Settings.h"
#include "client/model/SourceList.h"
#include "client/ui/logic/BackupDialogView.h"
#include "client/ui/logic/BackupServices.h"
#include "core/fs/FileSystem.h"
#include "resources/client/resource.h"

namespace vl {
namespace {

// The position of record in items; items.GetCount() when it is not there.
size_t PositionOf(const CSourceList& items, const CSource* record) {
  size_t position = 0;
  for (const auto& item : items) {
    if (item.get() == record) break;
    ++position;
  }
  return position;
}

// A run that was to back up only one item must still mean that item once another one before
// it has gone, and nothing in particular once that item itself has gone.
void FollowDeletion(CRunState& state, size_t deleted) {
  const auto index = static_cast<int32_t>(deleted);
  if (state.runItemIndex == index)
    state.runItemIndex = -1;
  else if (state.runItemIndex > index)
    --state.runItemIndex;
}

}  // namespace

CBackupDialogLogic::CBackupDialogLogic(IBackupServices& services, IBackupDialogView& view,
                                       IFileSystem& fs, const IDriveSet& drives,
                                       CRunControl& run)
    : m_services(services), m_view(view), m_fs(fs), m_drives(drives), m_run(run) {}

// The worker reads the items and the list during a run, so neither is rebuilt then.
void CBackupDialogLogic::Reload() {
  if (RunActive()) return;
  m_view.ClearItemList();
  CheckTarget();
  ShowTarget();
  for (auto& item : m_services.Items()) {
    RecognizeSource(*item, m_fs, m_drives);
    m_view.AddItemEntry(item.get());
  }
}

void CBackupDialogLogic::CheckTarget() {
  CSettings& settings = m_services.Settings();
  const String dataFolder = m_services.DataFolder();
  FillDefaultTarget(settings, dataFolder);
  if (IsTargetReachable(m_fs, settings.m_strBackupPath)) {
    SetTargetFound(true);
    return;
  }
  if (!m_view.AskYesNo(IDS_ASK_DEFAULT_TARGET, BoxIcon::information)) {
    SetTargetFound(false);
    return;
  }
  // The default folder is taken on trust: the run creates what it needs below it.
  settings.m_strBackupPath = DefaultTargetFolder(dataFolder);
  m_services.SaveBackupSet();
  SetTargetFound(true);
}

void CBackupDialogLogic::SetTargetFound(bool found) {
  m_services.SetTargetReady(found);
  m_crTargetLine = found ? kTargetFoundColour : kTargetMissingColour;
}

void CBackupDialogLogic::ShowTarget() {
  const String& target = m_services.Settings().m_strBackupPath;
  m_view.ShowTargetLine(target, m_crTargetLine);
  m_services.SetBackupFolder(target);
}

void CBackupDialogLogic::AddSourceItem(const String& path) {
  if (RunActive() || path.empty()) return;
  CSourceList& items = m_services.Items();
  const String& target = m_services.Settings().m_strBackupPath;
  const AddSourceResult result = vl::AddSourceItem(items, path, target, m_fs, m_run.State());
  if (result.refusal == IDS_MSG_ALREADY_REGISTERED) {
    m_view.ShowMessage(IDS_MSG_ALREADY_REGISTERED);
    return;
  }
  if (!result.added) {
    m_view.ShowMessageWith(result.refusal, path);
    return;
  }
  const int entry = m_view.AddItemEntry(&items.GetAt(result.index));
  m_view.SelectItemEntry(entry);
  SelectionChanged();
  m_services.SaveBackupSet();
  OfferBackupNow();
}

// With real-time backup on the user evidently wants copies at once, so nobody is asked.
void CBackupDialogLogic::OfferBackupNow() {
  if (m_services.IsChangeProcessingRunning() ||
      m_view.AskYesNo(IDS_ASK_BACKUP_NOW, BoxIcon::question)) {
    m_view.PostStartCommand();
  }
}

void CBackupDialogLogic::AddByBrowsing() {
  if (RunActive()) return;
  String chosen;
  if (m_view.BrowseForFolder(IDS_TITLE_BROWSE_ITEM, String(), chosen)) AddSourceItem(chosen);
}

void CBackupDialogLogic::AddDroppedPaths(const std::vector<String>& paths) {
  if (RunActive()) return;
  bool anyFolder = false;
  for (const String& path : paths) {
    FileStatus status;
    if (!m_fs.GetStatus(path, status) || !status.IsFolder()) continue;
    anyFolder = true;
    AddSourceItem(path);
  }
  if (!anyFolder) m_view.ShowMessage(IDS_MSG_ONLY_FOLDERS);
}

// During a run the list is disabled; were this reached anyway, recognising and saving would
// touch items the worker is reading, and the source line shows the run's status.
void CBackupDialogLogic::SelectionChanged() {
  if (RunActive()) return;
  m_services.SaveBackupSet();
  const int selected = m_view.SelectedItemEntry();
  CSource* item = selected < 0 ? nullptr : m_view.ItemAt(selected);
  if (item == nullptr) {
    m_pShownItem = nullptr;
    return;
  }
  const bool recognized = RecognizeSource(*item, m_fs, m_drives);
  m_view.RedrawItemList();
  if (!recognized) return;
  m_view.ShowSourceLine(String());
  m_pShownItem = item;
  m_strSourceLine = item->path;
  m_view.ShowSourceLine(m_strSourceLine);
}

void CBackupDialogLogic::DeleteItem(int index) {
  if (RunActive()) return;
  CSource* item = m_view.ItemAt(index);
  if (item != nullptr && m_view.AskYesNo(IDS_ASK_DELETE_ITEM, BoxIcon::question))
    RemoveItem(index, item);
  m_services.SaveBackupSet();
}

// The list entry goes first, since it points at the record that is deleted after it.
void CBackupDialogLogic::RemoveItem(int index, CSource* item) {
  if (item == m_pShownItem) ClearSourceLine();
  m_view.DeleteItemEntry(index);
  CSourceList& items = m_services.Items();
  const size_t position = PositionOf(items, item);
  if (position == items.GetCount()) return;
  FollowDeletion(m_run.State(), position);
  items.RemoveAt(position);
}

void CBackupDialogLogic::ClearSourceLine() {
  m_view.ShowSourceLine(String());
  m_pShownItem = nullptr;
  m_strSourceLine.clear();
}

// The target is not checked again: the user just picked it, and the line keeps its colour.
void CBackupDialogLogic::ChooseTarget() {
  if (RunActive()) return;
  CSettings& settings = m_services.Settings();
  String chosen;
  if (!m_view.BrowseForFolder(IDS_TITLE_BROWSE_TARGET, settings.m_strBackupPath, chosen) ||
      chosen.empty()) {
    return;
  }
  const TextId refusal = NewTargetRefusal(m_services.Items(), chosen);
  if (refusal != 0) {
    m_view.ShowMessageWith(refusal, chosen);
    return;
  }
  settings.m_strBackupPath = chosen;
  ShowTarget();
  m_services.SaveBackupSet();
}

void CBackupDialogLogic::OpenSourceLine(const String& lineText) {
  if (!lineText.empty()) OpenPathOrParent(lineText);
}

// A drive root is opened as it stands; the shell itself tells the user when its disk is absent.
void CBackupDialogLogic::OpenTargetLine() {
  const String& target = m_services.Settings().m_strBackupPath;
  if (EndsWithBackslash(target))
    m_view.OpenFolder(target);
  else
    OpenPathOrParent(target);
}

void CBackupDialogLogic::OpenPathOrParent(const String& path) {
  FileStatus status;
  if (!m_fs.GetStatus(path, status)) return;
  const String folder = status.IsFolder() ? path : PathBeforeLastPart(path);
  if (!folder.empty()) m_view.OpenFolder(folder);
}

}  // namespace vl
