#include "client/engine/realtime/TargetCurrent.h"

#include "client/engine/PathUtil.h"
#include "client/engine/SameFile.h"
#include "core/fs/FileSystem.h"

namespace vl {
namespace {

constexpr int64_t kSecondsPerMinute = 60;
constexpr int64_t kRoundingSlack = 2;

}  // namespace

bool IsTargetCurrent(const IFileSystem& fs, VolumeNameCache& volumes, const String& source,
                     const String& target) {
  FileStatus from;
  FileStatus to;
  if (!fs.GetStatus(source, from) || !fs.GetStatus(target, to)) return false;
  if (to.lastWriteTime == to.lastAccessTime && to.lastWriteTime > from.lastWriteTime) return true;
  const String& sourceFs = volumes.NameFor(source);
  const String& targetFs = volumes.NameFor(target);
  if (EqualsNoCase(sourceFs, targetFs)) return from.lastWriteTime == to.lastWriteTime;
  const int64_t difference = from.lastWriteTime > to.lastWriteTime
                                 ? from.lastWriteTime - to.lastWriteTime
                                 : to.lastWriteTime - from.lastWriteTime;
  return difference % kSecondsPerMinute <= kRoundingSlack;
}

}  // namespace vl
