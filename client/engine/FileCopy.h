#pragma once
// Copying one file job to the target. A target about to be replaced goes to its history folder
// first (or is deleted in overwrite mode), the copy never replaces a file that appeared
// meanwhile, and every failure becomes one error record while the run goes on.
#include <cstdint>

#include "core/fs/FileSystem.h"

namespace vl {

class CBackupEngine;
class CJobItem;
class CRunProgress;
class CRunState;

// The settings' history mode m_nHistoryMode: this value keeps replaced versions, any other
// discards them.
constexpr int32_t HISTORY_MODE_ARCHIVE = 0;

// The copy's progress routine: adds the bytes that arrived since the last call to doneBytes and
// shows them. Returns false, which cancels the copy, once the run is to stop.
bool CopyProgress(CRunState& state, CRunProgress& progress, const CopyProgressInfo& info);

// Copies job.sourcePath to job.targetPath and keeps the counters: copiedNew or copiedChanged,
// or an error record (the source path, IDS_ERROR_COPY). Either way all of the job's bytes end
// up in doneBytes, also where the platform's copy reports no progress.
void CopyFileJob(CBackupEngine& engine, const CJobItem& job, int32_t historyMode);

}  // namespace vl
