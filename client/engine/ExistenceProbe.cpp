#include "client/engine/ExistenceProbe.h"

#include "client/engine/PathUtil.h"
#include "client/model/Source.h"
#include "core/fs/FileSystem.h"

namespace vl {

bool PathExists(const IFileSystem& fs, const String& path) {
  FileStatus status;
  return EndsWithBackslash(path) || fs.GetStatus(path, status);
}

void ProbeItem(CSource& item, const IFileSystem& fs) {
  item.sourceExists = PathExists(fs, item.path) ? 1 : 0;
  item.targetExists = PathExists(fs, item.MakeTargetPath()) ? 1 : 0;
}

}  // namespace vl
