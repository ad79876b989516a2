#include "client/ui/logic/RestoreDialogLogic.h"

#include "client/engine/PathUtil.h"
#include "core/text/TextProvider.h"
#include "resources/client/resource.h"

namespace vl {

CRestoreDialogLogic::CRestoreDialogLogic(const RestoreSetting& setting, IRestoreDialogView& view,
                                         IRestoreWorker& worker, const ITextProvider& texts)
    : m_setting(setting), m_view(view), m_worker(worker), m_texts(texts) {}

void CRestoreDialogLogic::Open() {
  m_list = VersionList{};
  m_view.ShowSourcePath(String());
  ShowVersions(-1);
}

void CRestoreDialogLogic::BrowseForSource() {
  if (m_busy) return;
  String chosen;
  if (m_view.BrowseForSource(chosen)) Pick(chosen);
}

void CRestoreDialogLogic::DropPaths(const std::vector<String>& paths) {
  if (m_busy || paths.empty()) return;
  Pick(paths.front());
}

void CRestoreDialogLogic::Pick(const String& path) {
  if (m_busy || path.empty()) return;
  m_list = FindVersions(m_setting.fs, m_setting.drives, m_setting.items, m_setting.targetFolder,
                        path);
  const bool found = m_list.result.Ok() && m_list.refusal == 0 && !m_list.versions.empty();
  if (!found) {
    const TextId reason = m_list.refusal != 0 ? m_list.refusal : IDS_MSG_NO_VERSIONS;
    m_list = VersionList{};
    m_view.ShowSourcePath(String());
    ShowVersions(-1);
    m_view.ShowMessage(reason, path);
    return;
  }
  m_view.ShowSourcePath(m_list.sourcePath);
  ShowVersions(0);
}

void CRestoreDialogLogic::ShowVersions(int selectRow) {
  std::vector<VersionRow> rows;
  rows.reserve(m_list.versions.size());
  for (const FileVersion& version : m_list.versions)
    rows.push_back(MakeVersionRow(version, m_list.isFolder, m_texts));
  m_view.ShowVersions(rows);
  m_view.SelectVersion(selectRow);
  SelectionChanged();
}

void CRestoreDialogLogic::SelectionChanged() {
  m_view.EnableRestore(!m_busy && SelectedVersion() != nullptr);
}

const FileVersion* CRestoreDialogLogic::SelectedVersion() const {
  const int row = m_view.SelectedVersion();
  if (row < 0 || static_cast<size_t>(row) >= m_list.versions.size()) return nullptr;
  return &m_list.versions[static_cast<size_t>(row)];
}

void CRestoreDialogLogic::RestoreToPlace() {
  if (MayStart()) Restore(m_list.sourcePath);
}

void CRestoreDialogLogic::RestoreToFolder() {
  if (!MayStart()) return;
  String folder;
  if (!m_view.BrowseForFolder(PathBeforeLastPart(m_list.sourcePath), folder)) return;
  Restore(RestoreDestinationIn(folder, m_list));
}

bool CRestoreDialogLogic::MayStart() {
  if (m_busy || !SelectedVersion()) return false;
  if (m_setting.backupRunning && m_setting.backupRunning()) {
    m_view.ShowMessage(IDS_MSG_JOB_IN_PROGRESS, String());
    return false;
  }
  return true;
}

void CRestoreDialogLogic::Restore(const String& destination) {
  const bool replace = RestoreWouldReplace(m_setting.fs, m_list, destination);
  if (replace && !m_view.AskYesNo(IDS_ASK_RESTORE_REPLACE, destination)) return;
  RestoreJob job{m_list, *SelectedVersion(), destination, replace};
  if (!m_worker.Start(std::move(job))) {
    m_view.ShowFailure(IDS_MSG_RESTORE_FAILED, destination);
    return;
  }
  m_busy = true;
  m_lastDestination = destination;
  m_view.ShowBusy(true);
  SelectionChanged();
}

void CRestoreDialogLogic::OnRestoreDone(const RestoreOutcome& outcome) {
  if (!m_busy) return;
  m_busy = false;
  m_view.ShowBusy(false);
  if (outcome.result.Ok() && outcome.message == 0) {
    m_view.ShowMessage(IDS_MSG_RESTORED, m_lastDestination);
  } else {
    const TextId reason = outcome.message != 0 ? outcome.message : IDS_MSG_RESTORE_FAILED;
    m_view.ShowFailure(reason,
                       outcome.failedPath.empty() ? m_lastDestination : outcome.failedPath);
  }
  Refresh();
}

void CRestoreDialogLogic::Refresh() {
  // The version that was selected stays selected when it is still listed.
  const FileVersion* selected = SelectedVersion();
  const String stamp = selected ? selected->stamp : String();
  const String source = m_list.sourcePath;
  m_list = FindVersions(m_setting.fs, m_setting.drives, m_setting.items, m_setting.targetFolder,
                        source);
  if (!m_list.result.Ok() || m_list.refusal != 0) m_list.versions.clear();
  int row = m_list.versions.empty() ? -1 : 0;
  for (size_t i = 0; i < m_list.versions.size(); ++i) {
    if (m_list.versions[i].stamp == stamp) row = static_cast<int>(i);
  }
  ShowVersions(row);
}

bool CRestoreDialogLogic::CanClose() {
  if (!m_busy) return true;
  m_view.ShowMessage(IDS_MSG_JOB_IN_PROGRESS, String());
  return false;
}

}  // namespace vl
