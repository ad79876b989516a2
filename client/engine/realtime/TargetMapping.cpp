#include "client/engine/realtime/TargetMapping.h"

#include "client/engine/History.h"
#include "client/engine/PathUtil.h"
#include "client/engine/realtime/RealTimeScope.h"
#include "client/model/PathJoin.h"
#include "client/model/Source.h"
#include "core/fs/FileSystem.h"

namespace vl {
namespace {

// folder with a backslash unless it ends with one.
String WithBackslash(const String& folder) {
  return EndsWithBackslash(folder) ? folder : folder + VLT('\\');
}

bool StartsWithNoCase(StringView text, StringView prefix) {
  return text.size() >= prefix.size() && EqualsNoCase(text.substr(0, prefix.size()), prefix);
}

bool IsRelated(const String& item, const String& path) {
  return EqualsNoCase(item, path) || StartsWithNoCase(path, WithBackslash(item)) ||
         StartsWithNoCase(item, WithBackslash(path));
}

bool IsFolderOrMissing(const IFileSystem& fs, const String& path) {
  FileStatus status;
  return !fs.GetStatus(path, status) || status.IsFolder();
}

bool IsExistingFolder(const IFileSystem& fs, const String& path) {
  FileStatus status;
  return fs.GetStatus(path, status) && status.IsFolder();
}

// One level; one that exists already is as good.
void MakeFolder(IFileSystem& fs, const String& path) {
  if (!IsExistingFolder(fs, path)) fs.CreateFolder(path);
}

}  // namespace

size_t FindRelatedItem(const IFileSystem& fs, const RealTimeScope& scope, const String& path) {
  for (size_t i = 0; i < scope.itemPaths.size(); ++i) {
    const String& item = scope.itemPaths[i];
    if (!item.empty() && IsRelated(item, path) && IsFolderOrMissing(fs, item)) return i;
  }
  return kNoItem;
}

String MapChangeToTarget(IFileSystem& fs, const RealTimeScope& scope, const String& path) {
  if (IsHistoryFolderName(PathLastPart(path))) return String();
  const size_t index = FindRelatedItem(fs, scope, path);
  if (index == kNoItem || scope.backupPath.empty()) return String();
  const String& backupPath = scope.backupPath;
  if (!EndsWithBackslash(backupPath)) MakeFolder(fs, backupPath);

  CSource item;
  item.path = scope.itemPaths[index];
  item.targetFolder = backupPath;
  String level = item.MakeTargetPath();
  if (!EqualsNoCase(level, backupPath)) MakeFolder(fs, level);

  // The rest of path below the item, without its leading backslash; nothing for the item
  // itself or a folder above it.
  String rest = path.size() > item.path.size() ? path.substr(item.path.size()) : String();
  if (!rest.empty() && rest.front() == VLT('\\')) rest.erase(0, 1);
  String source = item.path;
  for (size_t start = 0, slash; (slash = rest.find(VLT('\\'), start)) != String::npos;
       start = slash + 1) {
    const String component = rest.substr(start, slash - start);
    source = model::JoinPath(source, component);
    if (!IsExistingFolder(fs, source)) continue;
    level = model::JoinPath(level, component);
    MakeFolder(fs, level);
  }
  String target = item.MakeTargetPath();
  return rest.empty() ? target : model::JoinPath(target, rest);
}

}  // namespace vl
