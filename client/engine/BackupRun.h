#pragma once
// One backup run over the item list, independent of any window: every item is recognised and
// analysed first, so that totalBytes is complete before the first percentage shows, then the
// jobs are executed in order. The cancel flag is honoured before each item and each job.
#include <cstddef>
#include <cstdint>

#include "client/engine/RunCompletion.h"
#include "core/base/String.h"

namespace vl {

class CBackupEngine;
class CSettings;
class CSource;
class CSourceList;
class IDriveSet;

// What a run reads of the settings, taken once when it starts so that the worker never reads
// them while the user-interface thread may write them.
struct RunSettings {
  String targetFolder;     // m_strBackupPath
  int32_t historyMode = 0; // m_nHistoryMode
};

RunSettings RunSettingsFrom(const CSettings& settings);

class CBackupRun {
 public:
  CBackupRun(CBackupEngine& engine, const IDriveSet& drives, CSourceList& items,
             RunSettings settings);

  // The worker's body: startTime, RunBackup, endTime; returns how the run ended.
  RunCompletion Run();
  // Empties the last run's lists, analyses the items (all, or only runItemIndex), executes the
  // jobs; afterwards runItemIndex is -1 and no item is left marked for deletions.
  void RunBackup();

 private:
  // Each false when the run was cancelled.
  bool AnalyseItems();
  bool AnalyseItem(size_t index);
  bool ExecuteJobs();
  void ResetRunFlags();

  CBackupEngine& m_engine;
  const IDriveSet& m_drives;
  CSourceList& m_items;
  RunSettings m_settings;
};

}  // namespace vl
