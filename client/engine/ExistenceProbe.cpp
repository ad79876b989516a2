#include "client/engine/ExistenceProbe.h"

#include "client/engine/PathUtil.h"
#include "client/model/Source.h"
#include "core/fs/FileSystem.h"

namespace vl {

namespace {

// The status of path can be read, or it names a root (ends with a backslash), which counts as
// present even where the platform cannot report a root's status.
FsResult Probe(const IFileSystem& fs, const String& path) {
  FileStatus status;
  return EndsWithBackslash(path) ? FsResult{} : fs.GetStatus(path, status);
}

}  // namespace

FsResult ProbeItem(CSource& item, const IFileSystem& fs) {
  const FsResult source = Probe(fs, item.path);
  item.sourceExists = source ? 1 : 0;
  item.targetExists = Probe(fs, item.MakeTargetPath()) ? 1 : 0;
  return source;
}

}  // namespace vl
