#include "client/engine/restore/RestoreFile.h"

#include "client/engine/PathUtil.h"
#include "client/engine/SafeReplace.h"
#include "client/engine/restore/KeptCopy.h"

namespace vl {

void NoteFailure(RestoreOutcome& outcome, TextId message, const String& path,
                 const FsResult& result) {
  ++outcome.failures;
  if (outcome.message != 0) return;
  outcome.message = message;
  outcome.failedPath = path;
  outcome.result = result;
}

FsResult EnsureFolder(IFileSystem& fs, const String& folder) {
  FileStatus status;
  const FsResult asked = fs.GetStatus(folder, status);
  if (asked) return status.IsFolder() ? FsResult() : FsFailure(kSysAlreadyExists);
  if (!asked.Missing()) return asked;
  const String parent = PathBeforeLastPart(folder);
  // A drive or share that is not there has no parent to make.
  if (parent.empty() || parent.size() >= folder.size()) return asked;
  const FsResult above = EnsureFolder(fs, parent);
  return above ? fs.CreateFolder(folder) : above;
}

void RestoreOneFile(IFileSystem& fs, const IClock& clock, const String& source,
                    const String& destination, const String& keptAs, bool replace,
                    RestoreOutcome& outcome) {
  FileStatus status;
  const FsResult asked = fs.GetStatus(destination, status);
  const bool taken = !asked.Missing();
  if (taken && (!replace || !asked || status.IsFolder())) {
    NoteFailure(outcome, IDS_RESTORE_EXISTS, destination, asked);
    return;
  }
  if (taken) {
    String kept;
    const FsResult keptResult = KeepAsHistoryCopy(fs, clock, destination, keptAs, kept);
    if (!keptResult) {
      NoteFailure(outcome, IDS_RESTORE_KEEP_FAILED, destination, keptResult);
      return;
    }
    outcome.keptCopy = kept;
  }
  const FsResult parent = EnsureFolder(fs, PathBeforeLastPart(destination));
  const ReplaceOutcome copied =
      parent ? ReplaceFileSafely(fs, clock, source, destination, HISTORY_MODE_OVERWRITE, !taken,
                                 CopyProgressFn())
             : ReplaceOutcome{parent, String()};
  if (copied.Ok()) {
    ++outcome.files;
  } else {
    NoteFailure(outcome, IDS_RESTORE_COPY_FAILED, destination, copied.result);
  }
}

}  // namespace vl
