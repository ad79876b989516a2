#include "client/engine/FileCopy.h"

#include "client/engine/BackupEngine.h"
#include "client/engine/JobActions.h"
#include "client/engine/SafeReplace.h"
#include "client/engine/TextProvider.h"
#include "client/model/JobItem.h"

namespace vl {
namespace {

// What a failed copy is recorded as: by default the source with IDS_ERROR_COPY.
struct CopyFailure {
  FsResult result;
  String path;
  TextId text = IDS_ERROR_COPY;
};

// Counts the part of the job's bytes the progress routine did not report (all of them where
// the platform never calls it), so that each job adds its size once. True when it added any.
bool AccountRemainingBytes(CRunState& state, const CJobItem& job) {
  const int64_t size = static_cast<int64_t>(job.size);
  if (size <= state.streamBytesSeen) return false;
  state.stats.doneBytes += size - state.streamBytesSeen;
  state.streamBytesSeen = size;
  return true;
}

void RecordCopyFailure(CBackupEngine& engine, const CJobItem& job, const CopyFailure& failure) {
  CRunState& state = engine.State();
  const String& path = failure.path.empty() ? job.sourcePath() : failure.path;
  state.AddError(path, engine.Texts().Text(failure.text), failure.result.systemCode);
  AccountRemainingBytes(state, job);
  engine.UpdateProgress(job.name);
}

void CountCopy(RunStats& stats, const CJobItem& job) {
  if ((job.action & JOB_NEW_FILE) != 0) {
    ++stats.copiedNew;
  } else {
    ++stats.copiedChanged;
  }
}

}  // namespace

bool CopyProgress(CRunState& state, CRunProgress& progress, const CopyProgressInfo& info) {
  const int64_t transferred = static_cast<int64_t>(info.streamTransferred);
  if (transferred > state.streamBytesSeen) {
    state.stats.doneBytes += transferred - state.streamBytesSeen;
    state.streamBytesSeen = transferred;
    progress.UpdateProgress(String());
  }
  return !state.CancelRequested();
}

void CopyFileJob(CBackupEngine& engine, const CJobItem& job, int32_t historyMode) {
  AccountCopy(engine, job, CopyShowingProgress(engine, job, historyMode));
}

ReplaceOutcome CopyShowingProgress(CBackupEngine& engine, const CJobItem& job,
                                   int32_t historyMode) {
  CRunState& state = engine.State();
  CRunProgress& progress = engine.Progress();
  engine.UpdateProgress(job.name);
  state.streamBytesSeen = 0;
  const CopyProgressFn onProgress = [&state, &progress](const CopyProgressInfo& info) {
    return CopyProgress(state, progress, info);
  };
  return CopyJobFile(engine, job, historyMode, onProgress);
}

ReplaceOutcome CopyJobFile(CBackupEngine& engine, const CJobItem& job, int32_t historyMode,
                           const CopyProgressFn& progress) {
  return ReplaceFileSafely(engine.FileSystem(), engine.Clock(), job.sourcePath(),
                           job.targetPath(), historyMode, (job.action & JOB_NEW_FILE) != 0,
                           progress);
}

void AccountCopy(CBackupEngine& engine, const CJobItem& job, const ReplaceOutcome& outcome) {
  CRunState& state = engine.State();
  if (!outcome.result) {
    CopyFailure failure{outcome.result, outcome.failedFolder};
    if (!outcome.failedFolder.empty()) failure.text = IDS_ERROR_CREATE_FOLDER;
    RecordCopyFailure(engine, job, failure);
    return;
  }
  CountCopy(state.stats, job);
  if (AccountRemainingBytes(state, job)) engine.UpdateProgress(String());
}

}  // namespace vl
