#include "client/cli/PlanRun.h"

#include "client/engine/BackupEngine.h"
#include "client/model/Settings.h"
#include "client/model/SourceList.h"
#include "client/model/PathJoin.h"

namespace vl {
namespace {

// A drive or share root goes by its whole path, and the analysis wants no name for it.
String AnalysisName(const CSource& item) {
  String name = item.GetItemName();
  if (name == item.path) name.clear();
  return name;
}

}  // namespace

String PlanTargetFolder(const CSettings& settings, const String& dataFolder) {
  if (!settings.m_strBackupPath.empty()) return settings.m_strBackupPath;
  return model::JoinPath(dataFolder, VLT("Backup"));
}

void PlanItems(CBackupEngine& engine, CSourceList& items, const String& targetFolder,
               bool synchronize) {
  engine.State().ClearLists();
  for (const auto& record : items) {
    CSource& item = *record;
    item.targetFolder = targetFolder;
    if (engine.State().CancelRequested()) return;
    engine.ProbeItem(item);
    if (!item.sourceExists) continue;
    item.mirror = synchronize ? 1 : 0;
    engine.AnalyseItem(item, item.path, AnalysisName(item), item.MakeTargetPath());
    item.mirror = 0;
  }
}

}  // namespace vl
