#pragma once
// Copying one file job to the target, so that the last good copy is never at risk (the
// replacement of SafeReplace.h: partial name, rename into place, only then the old version to
// history or away). A copy that fails or is cancelled leaves the old target as it was and no
// partial copy behind. A target that appeared after the analysis is never replaced, and
// every failure becomes one error record, with the system's code, while the run goes on.
#include <cstdint>

#include "client/engine/SafeReplace.h"
#include "core/fs/FileSystem.h"

namespace vl {

class CBackupEngine;
class CJobItem;
class CRunProgress;
class CRunState;

// The copy's progress routine: adds the bytes that arrived since the last call to doneBytes and
// shows them. Returns false, which cancels the copy, once the run is to stop.
bool CopyProgress(CRunState& state, CRunProgress& progress, const CopyProgressInfo& info);

// Copies job.sourcePath to job.targetPath and keeps the counters: copiedNew or copiedChanged,
// or an error record (the source path and IDS_ERROR_COPY; the history folder and
// IDS_ERROR_CREATE_FOLDER where that could not be made). Either way all of the job's bytes end
// up in doneBytes, also where the platform's copy reports no progress.
void CopyFileJob(CBackupEngine& engine, const CJobItem& job, int32_t historyMode);

// The two halves of CopyFileJob, for copies accounted for later: the copy with its progress
// shown as it goes, on the run's own thread; and the accounting of its outcome.
ReplaceOutcome CopyShowingProgress(CBackupEngine& engine, const CJobItem& job,
                                   int32_t historyMode);
void AccountCopy(CBackupEngine& engine, const CJobItem& job, const ReplaceOutcome& outcome);
// The copy alone, which touches nothing of the run's, for a copying thread.
ReplaceOutcome CopyJobFile(CBackupEngine& engine, const CJobItem& job, int32_t historyMode,
                           const CopyProgressFn& progress);

}  // namespace vl
