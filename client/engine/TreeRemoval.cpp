#include "client/engine/TreeRemoval.h"

#include <vector>

#include "client/engine/RunState.h"
#include "core/fs/FileSystem.h"

namespace vl {

bool DeleteTree(IFileSystem& fs, const CRunState& run, const String& path, bool removeSelf) {
  if (run.CancelRequested()) return true;
  std::vector<FolderEntry> entries;
  fs.ListFolder(path, entries);
  for (const FolderEntry& entry : entries) {
    const bool removed = entry.isFolder ? DeleteTree(fs, run, entry.path, true)
                                        : fs.RemoveFile(entry.path).Ok();
    if (!removed) return false;
  }
  return !removeSelf || fs.RemoveFolder(path).Ok();
}

}  // namespace vl
