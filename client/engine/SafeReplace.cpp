#include "client/engine/SafeReplace.h"

#include "client/engine/History.h"
#include "client/engine/PartialCopy.h"

namespace vl {
namespace {

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

// Where the old target went to make way for the new version, so that it can come back.
struct MadeWay {
  FileStatus old;
  String aside;
  bool moved = false;
  String failedFolder;
};

// A new file's target must still be free, which the rename into place sees to; a changed
// file's old version makes way only now that the new one is complete.
FsResult MakeWay(IFileSystem& fs, const IClock& clock, const String& target, int32_t historyMode,
                 bool targetMustBeNew, MadeWay& way) {
  if (targetMustBeNew || !fs.GetStatus(target, way.old) || way.old.IsFolder()) return FsResult{};
  const ReplaceOutcome outcome =
      SetOldTargetAside(fs, clock, target, way.old, historyMode, way.aside);
  way.moved = outcome.Ok();
  way.failedFolder = outcome.failedFolder;
  return outcome.result;
}

// In overwrite mode the old version goes for good only once the new one is in its place;
// should the rename into place still have failed, the old version comes back.
void SettleOldTarget(IFileSystem& fs, const String& target, int32_t historyMode,
                     const MadeWay& way, bool placed) {
  if (!way.moved) return;
  if (placed) {
    if (historyMode != HISTORY_MODE_ARCHIVE) RemovePartialCopy(fs, way.aside);
  } else if (fs.MoveFileTo(way.aside, target)) {
    fs.SetAttributes(target, way.old.attributes);
  }
}

}  // namespace

ReplaceOutcome ReplaceFileSafely(IFileSystem& fs, const IClock& clock, const String& source,
                                 const String& target, int32_t historyMode, bool targetMustBeNew,
                                 const CopyProgressFn& progress) {
  const String partial = PartialCopyPath(target);
  MadeWay way;
  const MakeWayFn makeWay = [&] {
    return MakeWay(fs, clock, target, historyMode, targetMustBeNew, way);
  };
  const FsResult result = fs.CopyIntoPlace(source, partial, target, progress, makeWay);
  SettleOldTarget(fs, target, historyMode, way, result.Ok());
  // What a killed run left under the partial name went before this copy (the run removes it
  // in a job of its own), so the copy refuses to write over it; should it still be there, it
  // goes now.
  if (!result) RemovePartialCopy(fs, partial);
  return ReplaceOutcome{result, way.failedFolder};
}

}  // namespace vl
