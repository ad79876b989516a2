#include "client/engine/PartialCopy.h"

#include "client/engine/PathUtil.h"
#include "client/model/PathJoin.h"
#include "core/fs/FileSystem.h"

namespace vl {

bool IsPartialCopyName(StringView name) {
  const StringView suffix(PARTIAL_COPY_SUFFIX);
  return name.size() > suffix.size() &&
         EqualsNoCase(name.substr(name.size() - suffix.size()), suffix);
}

String PartialCopyPath(const String& targetPath) {
  String path = targetPath + PARTIAL_COPY_SUFFIX;
  if (path.size() < kMaxPathChars) return path;
  return model::JoinPath(PathBeforeLastPart(targetPath), String(VLT("~")) + PARTIAL_COPY_SUFFIX);
}

void RemovePartialCopy(IFileSystem& fs, const String& path) {
  FileStatus status;
  if (!fs.GetStatus(path, status) || status.IsFolder()) return;
  if ((status.attributes & kAttrReadOnly) != 0) fs.SetAttributes(path, kAttrArchive);
  fs.RemoveFile(path);
}

}  // namespace vl
