#include "client/engine/ExistenceProbe.h"

#include "client/engine/PathUtil.h"
#include "client/model/Source.h"
#include "core/fs/FileSystem.h"

namespace vl {

namespace {

FsResult Probe(const IFileSystem& fs, const String& path) {
  FileStatus status;
  return EndsWithBackslash(path) ? FsResult{} : fs.GetStatus(path, status);
}

}  // namespace

bool PathExists(const IFileSystem& fs, const String& path) { return Probe(fs, path).Ok(); }

FsResult ProbeItem(CSource& item, const IFileSystem& fs) {
  const FsResult source = Probe(fs, item.path);
  item.sourceExists = source ? 1 : 0;
  item.targetExists = PathExists(fs, item.MakeTargetPath()) ? 1 : 0;
  return source;
}

}  // namespace vl
