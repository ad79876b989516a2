#include "client/engine/realtime/CopyTree.h"

#include <vector>

#include "client/engine/History.h"
#include "client/engine/PathUtil.h"
#include "client/engine/SafeReplace.h"
#include "client/engine/realtime/TargetCurrent.h"
#include "client/model/PathJoin.h"
#include "core/fs/FileSystem.h"

namespace vl {

bool CopyIntoTarget(const RealTimeCopier& copier, const String& from, const String& to,
                    bool overwriteOnly) {
  const int32_t mode = overwriteOnly ? HISTORY_MODE_OVERWRITE : copier.historyMode;
  const ReplaceOutcome outcome =
      ReplaceFileSafely(copier.fs, copier.clock, from, to, mode, false, CopyProgressFn());
  if (!outcome.Ok()) return false;
  FileStatus copy;
  if (copier.fs.GetStatus(to, copy) && (copy.attributes & kAttrReadOnly) != 0)
    copier.fs.SetAttributes(to, copy.attributes & ~uint32_t{kAttrReadOnly});
  return true;
}

bool CopyTree(const RealTimeCopier& copier, const String& from, const String& rawTo,
              bool inHistory) {
  IFileSystem& fs = copier.fs;
  FileStatus status;
  if (!fs.GetStatus(from, status)) return false;
  String to = rawTo;
  if (EndsWithBackslash(to) && to.size() > 3) to.pop_back();
  if (!status.IsFolder()) {
    FileStatus existing;
    if (!inHistory && fs.GetStatus(to, existing)) {
      if (IsTargetCurrent(fs, copier.volumes, from, to)) return true;
    }
    return CopyIntoTarget(copier, from, to, inHistory);
  }
  fs.CreateFolder(to);
  std::vector<FolderEntry> entries;
  if (!fs.ListFolder(from, entries)) return false;
  for (const FolderEntry& entry : entries) {
    const bool entryInHistory = entry.isFolder ? IsHistoryFolderName(entry.name) : inHistory;
    if (!CopyTree(copier, entry.path, model::JoinPath(to, entry.name), entryInHistory))
      return false;
  }
  return true;
}

}  // namespace vl
