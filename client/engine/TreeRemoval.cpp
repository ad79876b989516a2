#include "client/engine/TreeRemoval.h"

#include <vector>

#include "client/engine/RunState.h"

namespace vl {

FsResult DeleteTree(IFileSystem& fs, const CRunState& run, const String& path, bool removeSelf) {
  if (run.CancelRequested()) return FsFailure(kSysRequestAborted);
  std::vector<FolderEntry> entries;
  const FsResult listed = fs.ListFolder(path, entries);
  if (!listed) return listed;
  for (const FolderEntry& entry : entries) {
    if (run.CancelRequested()) return FsFailure(kSysRequestAborted);
    const FsResult removed =
        entry.isFolder ? DeleteTree(fs, run, entry.path, true) : fs.RemoveFile(entry.path);
    if (!removed) return removed;
  }
  return removeSelf ? fs.RemoveFolder(path) : FsResult{};
}

}  // namespace vl
