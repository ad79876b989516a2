#include "client/engine/FileCopy.h"

#include "client/engine/BackupEngine.h"
#include "client/engine/History.h"
#include "client/engine/JobActions.h"
#include "client/engine/PartialCopy.h"
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

CopyFailure Failed(const FsResult& result) { return CopyFailure{result, String()}; }

// The copy keeps only the last-write time; the other two follow the source as well. A copy
// that cannot take them keeps what the copy gave it.
void CopyTimes(IFileSystem& fs, const String& source, const String& copy) {
  FileStatus status;
  if (!fs.GetStatus(source, status)) return;
  fs.SetFileTimes(copy, status.creationTime, status.lastAccessTime, status.lastWriteTime);
}

// What a killed run left under the partial name went in a job of its own before this one.
FsResult WritePartial(CBackupEngine& engine, const CJobItem& job, const String& partial) {
  IFileSystem& fs = engine.FileSystem();
  CRunState& state = engine.State();
  CRunProgress& progress = engine.Progress();
  const CopyProgressFn onProgress = [&state, &progress](const CopyProgressInfo& info) {
    return CopyProgress(state, progress, info);
  };
  const FsResult copied = fs.CopyFileTo(job.sourcePath, partial, true, onProgress);
  if (copied) CopyTimes(fs, job.sourcePath, partial);
  return copied;
}

// Makes way for the new version: the old one to history, or (in overwrite mode) aside under a
// partial name until the new one is in place. The read-only bit would block the removal, and
// is not wanted on a history copy either; where the old version stays, so does its bit.
CopyFailure SetOldTargetAside(CBackupEngine& engine, const String& target, const FileStatus& old,
                              int32_t historyMode, String& aside) {
  IFileSystem& fs = engine.FileSystem();
  const bool readOnly = (old.attributes & kAttrReadOnly) != 0;
  if (readOnly) fs.SetAttributes(target, old.attributes & ~uint32_t{kAttrReadOnly});
  CopyFailure failure;
  if (historyMode != HISTORY_MODE_ARCHIVE) {
    aside = SetAsidePath(target);
    failure.result = fs.MoveFileTo(target, aside);
  } else {
    const HistoryMove move = MoveToHistory(fs, engine.Clock(), target);
    failure.result = move.result;
    aside = move.historyPath;
    if (move.folderFailed) failure = CopyFailure{move.result, move.folder, IDS_ERROR_CREATE_FOLDER};
  }
  if (!failure.result && readOnly) fs.SetAttributes(target, old.attributes);
  return failure;
}

// A new file's target must still be free; a changed file's old version makes way only now
// that the new one is complete, and goes for good (in overwrite mode) only once the new one is
// in its place. Should the rename still fail, the old version comes back.
CopyFailure PutInPlace(CBackupEngine& engine, const CJobItem& job, const String& partial,
                       int32_t historyMode) {
  IFileSystem& fs = engine.FileSystem();
  FileStatus old;
  if ((job.action & JOB_NEW_FILE) != 0 || !fs.GetStatus(job.targetPath, old) || old.IsFolder()) {
    return Failed(fs.MoveFileTo(partial, job.targetPath));
  }
  String aside;
  CopyFailure failure = SetOldTargetAside(engine, job.targetPath, old, historyMode, aside);
  if (!failure.result) return failure;
  failure.result = fs.MoveFileTo(partial, job.targetPath);
  if (failure.result) {
    if (historyMode != HISTORY_MODE_ARCHIVE) RemovePartialCopy(fs, aside);
  } else if (fs.MoveFileTo(aside, job.targetPath)) {
    fs.SetAttributes(job.targetPath, old.attributes);
  }
  return failure;
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

void RecordCopyFailure(CBackupEngine& engine, const CJobItem& job, const CopyFailure& failure) {
  CRunState& state = engine.State();
  const String& path = failure.path.empty() ? job.sourcePath : failure.path;
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
  CRunState& state = engine.State();
  engine.UpdateProgress(job.name);
  state.streamBytesSeen = 0;
  const String partial = PartialCopyPath(job.targetPath);
  CopyFailure outcome = Failed(WritePartial(engine, job, partial));
  if (outcome.result) outcome = PutInPlace(engine, job, partial, historyMode);
  if (!outcome.result) {
    RemovePartialCopy(engine.FileSystem(), partial);
    RecordCopyFailure(engine, job, outcome);
    return;
  }
  CountCopy(state.stats, job);
  if (AccountRemainingBytes(state, job)) engine.UpdateProgress(String());
}

}  // namespace vl
