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

namespace {

// name's partial form beside the file at targetPath, or the short one where it would not fit.
String PartialPath(const String& targetPath, StringView mark, StringView shortName) {
  String path = targetPath + String(mark) + PARTIAL_COPY_SUFFIX;
  if (path.size() < kMaxPathChars) return path;
  return model::JoinPath(PathBeforeLastPart(targetPath), String(shortName) + PARTIAL_COPY_SUFFIX);
}

}  // namespace

String PartialCopyPath(const String& targetPath) {
  return PartialPath(targetPath, StringView(), VLT("~"));
}

String SetAsidePath(const String& targetPath) {
  return PartialPath(targetPath, VLT(".old"), VLT("~old"));
}

void RemovePartialCopy(IFileSystem& fs, const String& path) {
  FileStatus status;
  if (!fs.GetStatus(path, status) || status.IsFolder()) return;
  if ((status.attributes & kAttrReadOnly) != 0) fs.SetAttributes(path, kAttrArchive);
  fs.RemoveFile(path);
}

}  // namespace vl
