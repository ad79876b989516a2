#pragma once
// The analysis phase of a backup run over every item of a set, as `vlbackup plan` runs it:
// the jobs and counters a backup would work from, with nothing changed on disk.
#include "core/base/String.h"

namespace vl {

class CBackupEngine;
class CSettings;
class CSourceList;

// The target folder a run uses: the settings' backup folder, or, when that was left empty, the
// data folder's Backup folder, which the client would fall back to before any run.
String PlanTargetFolder(const CSettings& settings, const String& dataFolder);

// Analyses each item whose path exists into the engine's job list, in list order, as the run
// driver does: the item's target folder set, both sides probed, mirror set from synchronize.
// Volume recognition is not applied: every existing item counts. Stops before the next item
// once the run is cancelled.
void PlanItems(CBackupEngine& engine, CSourceList& items, const String& targetFolder,
               bool synchronize);

}  // namespace vl
