#include "client/engine/FileCopy.h"

#include "client/engine/BackupEngine.h"
#include "client/engine/JobActions.h"
#include "client/engine/TextProvider.h"
#include "client/model/JobItem.h"

namespace vl {
namespace {

// Makes the target path free for the new version; false when the old one could not be moved
// or deleted. The read-only bit would block both, and is not wanted on a history copy either.
bool ClearOldTarget(CBackupEngine& engine, const String& targetPath, int32_t historyMode) {
  IFileSystem& fs = engine.FileSystem();
  FileStatus status;
  if (!fs.GetStatus(targetPath, status)) return true;
  if ((status.attributes & kAttrReadOnly) != 0) {
    fs.SetAttributes(targetPath, status.attributes & ~uint32_t{kAttrReadOnly});
  }
  if (historyMode != HISTORY_MODE_ARCHIVE) return fs.RemoveFile(targetPath).Ok();
  return fs.MoveFileTo(targetPath, engine.MakeHistoryName(targetPath)).Ok();
}

bool CopyData(CBackupEngine& engine, const CJobItem& job) {
  CRunState& state = engine.State();
  CRunProgress& progress = engine.Progress();
  const CopyProgressFn onProgress = [&state, &progress](const CopyProgressInfo& info) {
    return CopyProgress(state, progress, info);
  };
  return engine.FileSystem().CopyFileTo(job.sourcePath, job.targetPath, true, onProgress).Ok();
}

// The copy keeps only the last-write time; the other two follow the source as well. A target
// that cannot take them keeps what the copy gave it.
void CopyTimes(IFileSystem& fs, const CJobItem& job) {
  FileStatus source;
  if (!fs.GetStatus(job.sourcePath, source)) return;
  fs.SetFileTimes(job.targetPath, source.creationTime, source.lastAccessTime,
                  source.lastWriteTime);
}

// Counts the part of the job's bytes the progress routine did not report (all of them where
// the platform never calls it), so that each job adds its size once. True when it added any.
bool AccountRemainingBytes(CRunState& state, const CJobItem& job) {
  const int64_t size = static_cast<int64_t>(job.size);
  if (size <= state.streamBytesSeen) return false;
  state.stats.doneBytes += size - state.streamBytesSeen;
  state.streamBytesSeen = size;
  return true;
}

void RecordCopyFailure(CBackupEngine& engine, const CJobItem& job) {
  CRunState& state = engine.State();
  state.AddError(job.sourcePath, engine.Texts().Text(IDS_ERROR_COPY));
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
  CRunState& state = engine.State();
  engine.UpdateProgress(job.name);
  state.streamBytesSeen = 0;
  if (!ClearOldTarget(engine, job.targetPath, historyMode) || !CopyData(engine, job)) {
    RecordCopyFailure(engine, job);
    return;
  }
  CopyTimes(engine.FileSystem(), job);
  CountCopy(state.stats, job);
  if (AccountRemainingBytes(state, job)) engine.UpdateProgress(String());
}

}  // namespace vl
