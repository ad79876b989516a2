#include "client/engine/BackupRun.h"

#include <utility>

#include "client/engine/BackupEngine.h"
#include "client/engine/Clock.h"
#include "client/engine/JobExecutor.h"
#include "client/engine/SourceRecognition.h"
#include "client/model/Settings.h"
#include "client/model/SourceList.h"

namespace vl {

RunSettings RunSettingsFrom(const CSettings& settings) {
  RunSettings run;
  run.targetFolder = settings.m_strBackupPath;
  run.historyMode = settings.m_nHistoryMode;
  return run;
}

CBackupRun::CBackupRun(CBackupEngine& engine, const IDriveSet& drives, CSourceList& items,
                       RunSettings settings)
    : m_engine(engine), m_drives(drives), m_items(items), m_settings(std::move(settings)) {}

RunCompletion CBackupRun::Run() {
  CRunState& state = m_engine.State();
  state.stats.startTime = m_engine.Clock().NowUtcSeconds();
  RunBackup();
  state.stats.endTime = m_engine.Clock().NowUtcSeconds();
  return CompletionCode(state);
}

// The flags are reset on every way out, a cancelled run included, so that no item stays marked
// for deletions after the run that marked it.
void CBackupRun::RunBackup() {
  m_engine.State().ClearLists();
  if (AnalyseItems() && !m_engine.State().CancelRequested()) ExecuteJobs();
  ResetRunFlags();
}

// The count is read again after each item: recognition never removes items, but the list is
// the application's, not the run's.
bool CBackupRun::AnalyseItems() {
  const int32_t only = m_engine.State().runItemIndex;
  if (only >= 0) {
    const auto index = static_cast<size_t>(only);
    return index >= m_items.GetCount() || AnalyseItem(index);
  }
  for (size_t i = 0; i < m_items.GetCount(); ++i) {
    if (!AnalyseItem(i)) return false;
  }
  return true;
}

// An item that is not here, or whose path is gone, is skipped: nothing of its copy on the
// target is touched, not even by a synchronizing run.
bool CBackupRun::AnalyseItem(size_t index) {
  CSource& item = m_items.GetAt(index);
  item.targetFolder = m_settings.targetFolder;
  CRunState& state = m_engine.State();
  if (!RecognizeSource(item, m_engine.FileSystem(), m_drives)) {
    state.skippedItems.push_back(item.path);
    return true;
  }
  if (state.CancelRequested()) return false;
  m_engine.AnalyseListedItem(m_items, index, m_settings.targetFolder, state.synchronize);
  return true;
}

bool CBackupRun::ExecuteJobs() {
  CRunState& state = m_engine.State();
  CJobExecutor executor(m_engine, m_settings.historyMode);
  bool finished = true;
  for (const auto& job : state.jobList) {
    finished = !state.CancelRequested();
    if (!finished) break;
    executor.Execute(*job);
  }
  executor.Finish();
  return finished;
}

void CBackupRun::ResetRunFlags() {
  for (auto& item : m_items) item->mirror = 0;
  m_engine.State().runItemIndex = -1;
}

}  // namespace vl
