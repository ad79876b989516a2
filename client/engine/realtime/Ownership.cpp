#include "client/engine/realtime/Ownership.h"

#include "core/fs/FileSystem.h"

namespace vl {

int32_t CheckOwnership(IFileSystem& fs, const String& path) {
  FileStatus status;
  if (!fs.GetStatus(path, status)) return OWNERSHIP_MISSING;
  if (status.IsFolder()) return OWNERSHIP_FREE;
  if ((status.attributes & kAttrReadOnly) != 0) {
    fs.SetAttributes(path, status.attributes & ~uint32_t{kAttrReadOnly});
    if (!fs.GetStatus(path, status)) return OWNERSHIP_MISSING;
    if ((status.attributes & kAttrReadOnly) != 0) return OWNERSHIP_READ_ONLY;
  }
  const FsResult probe = fs.ProbeExclusiveRead(path);
  if (probe.Missing()) return OWNERSHIP_MISSING;
  return probe ? OWNERSHIP_FREE : OWNERSHIP_HELD;
}

}  // namespace vl
