#include "client/engine/SameFile.h"

#include "client/engine/PathUtil.h"
#include "core/fs/FileSystem.h"

namespace vl {
namespace {

constexpr int64_t kSecondsPerMinute = 60;
// Up to this many seconds past a whole number of minutes still counts as equal: FAT-style
// volumes keep last-write times in two-second steps.
constexpr int64_t kRoundingSlack = 2;

// Copies that never were opened since they were written keep equal access and write times.
bool TargetUntouchedAndNotOlder(const FileStatus& source, const FileStatus& target) {
  return target.lastAccessTime == target.lastWriteTime &&
         target.lastWriteTime >= source.lastWriteTime;
}

}  // namespace

String ComparisonRoot(StringView path) { return String(path.substr(0, 3)); }

const String& VolumeNameCache::NameFor(StringView path) {
  const String root = ComparisonRoot(path);
  const String key = FoldName(root);
  auto found = m_names.find(key);
  if (found == m_names.end()) {
    VolumeInfo info;
    found = m_names.emplace(key, m_fs.GetVolumeInfo(root, info) ? info.fileSystemName : String())
                .first;
  }
  return found->second;
}

bool TimesCountAsSame(StringView sourceFs, StringView targetFs, const FileStatus& source,
                      const FileStatus& target) {
  if (EqualsNoCase(sourceFs, targetFs)) return source.lastWriteTime == target.lastWriteTime;
  const int64_t difference = source.lastWriteTime > target.lastWriteTime
                                 ? source.lastWriteTime - target.lastWriteTime
                                 : target.lastWriteTime - source.lastWriteTime;
  if (difference % kSecondsPerMinute <= kRoundingSlack) return true;
  return TargetUntouchedAndNotOlder(source, target);
}

bool IsSameFile(const IFileSystem& fs, VolumeNameCache& volumes, const String& sourcePath,
                const String& targetPath) {
  FileStatus source;
  FileStatus target;
  if (!fs.GetStatus(sourcePath, source) || !fs.GetStatus(targetPath, target)) return false;
  return IsSameFile(volumes, sourcePath, source, targetPath, target);
}

bool IsSameFile(VolumeNameCache& volumes, const String& sourcePath, const FileStatus& source,
                const String& targetPath, const FileStatus& target) {
  return TimesCountAsSame(volumes.NameFor(sourcePath), volumes.NameFor(targetPath), source,
                          target);
}

bool IsSameFile(const IFileSystem& fs, const String& sourcePath, const String& targetPath) {
  VolumeNameCache volumes(fs);
  return IsSameFile(fs, volumes, sourcePath, targetPath);
}

}  // namespace vl
