#include "client/cli/PlanRun.h"

#include "client/engine/BackupEngine.h"
#include "client/model/Settings.h"
#include "client/model/SourceList.h"
#include "client/model/PathJoin.h"

namespace vl {

String PlanTargetFolder(const CSettings& settings, const String& dataFolder) {
  if (!settings.m_strBackupPath.empty()) return settings.m_strBackupPath;
  return model::JoinPath(dataFolder, VLT("Backup"));
}

void PlanItems(CBackupEngine& engine, CSourceList& items, const String& targetFolder,
               bool synchronize) {
  engine.State().ClearLists();
  for (size_t i = 0; i < items.GetCount(); ++i) {
    if (engine.State().CancelRequested()) return;
    engine.AnalyseListedItem(items, i, targetFolder, synchronize);
    items.GetAt(i).mirror = 0;
  }
}

}  // namespace vl
