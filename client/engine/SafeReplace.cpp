#include "client/engine/SafeReplace.h"

#include "client/engine/History.h"
#include "client/engine/PartialCopy.h"

namespace vl {
namespace {

// The copy keeps only the last-write time; the other two follow the source as well. A copy
// that cannot take them keeps what the copy gave it.
void CopyTimes(IFileSystem& fs, const String& source, const String& copy) {
  FileStatus status;
  if (!fs.GetStatus(source, status)) return;
  fs.SetFileTimes(copy, status.creationTime, status.lastAccessTime, status.lastWriteTime);
}

// What a killed run left under the partial name went before this copy (the run removes it in
// a job of its own), so the copy may not replace anything there.
FsResult WritePartial(IFileSystem& fs, const String& source, const String& partial,
                      const CopyProgressFn& progress) {
  const FsResult copied = fs.CopyFileTo(source, partial, true, progress);
  if (copied) CopyTimes(fs, source, partial);
  return copied;
}

// Makes way for the new version: the old one to history, or (in overwrite mode) aside under a
// partial name until the new one is in place. The read-only bit would block the removal, and
// is not wanted on a history copy either; where the old version stays, so does its bit.
ReplaceOutcome SetOldTargetAside(IFileSystem& fs, const IClock& clock, const String& target,
                                 const FileStatus& old, int32_t historyMode, String& aside) {
  const bool readOnly = (old.attributes & kAttrReadOnly) != 0;
  if (readOnly) fs.SetAttributes(target, old.attributes & ~uint32_t{kAttrReadOnly});
  ReplaceOutcome outcome;
  if (historyMode != HISTORY_MODE_ARCHIVE) {
    aside = SetAsidePath(target);
    outcome.result = fs.MoveFileTo(target, aside);
  } else {
    const HistoryMove move = MoveToHistory(fs, clock, target);
    outcome.result = move.result;
    aside = move.historyPath;
    if (move.folderFailed) outcome.failedFolder = move.folder;
  }
  if (!outcome.result && readOnly) fs.SetAttributes(target, old.attributes);
  return outcome;
}

// A new file's target must still be free; a changed file's old version makes way only now
// that the new one is complete, and goes for good (in overwrite mode) only once the new one is
// in its place. Should the rename still fail, the old version comes back.
ReplaceOutcome PutInPlace(IFileSystem& fs, const IClock& clock, const String& target,
                          const String& partial, int32_t historyMode, bool targetMustBeNew) {
  FileStatus old;
  if (targetMustBeNew || !fs.GetStatus(target, old) || old.IsFolder()) {
    return ReplaceOutcome{fs.MoveFileTo(partial, target), String()};
  }
  String aside;
  ReplaceOutcome outcome = SetOldTargetAside(fs, clock, target, old, historyMode, aside);
  if (!outcome.result) return outcome;
  outcome.result = fs.MoveFileTo(partial, target);
  if (outcome.result) {
    if (historyMode != HISTORY_MODE_ARCHIVE) RemovePartialCopy(fs, aside);
  } else if (fs.MoveFileTo(aside, target)) {
    fs.SetAttributes(target, old.attributes);
  }
  return outcome;
}

}  // namespace

ReplaceOutcome ReplaceFileSafely(IFileSystem& fs, const IClock& clock, const String& source,
                                 const String& target, int32_t historyMode, bool targetMustBeNew,
                                 const CopyProgressFn& progress) {
  const String partial = PartialCopyPath(target);
  ReplaceOutcome outcome{WritePartial(fs, source, partial, progress), String()};
  if (outcome.result) outcome = PutInPlace(fs, clock, target, partial, historyMode, targetMustBeNew);
  if (!outcome.result) RemovePartialCopy(fs, partial);
  return outcome;
}

}  // namespace vl
