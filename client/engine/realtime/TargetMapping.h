#pragma once
// Where a changed source path lands in the backup target, in real-time backup.
#include <cstddef>

#include "core/base/String.h"

namespace vl {

class IFileSystem;
struct RealTimeScope;

constexpr size_t kNoItem = static_cast<size_t>(-1);

// The first item of scope, in list order, that is a folder or does not exist and whose path is
// related to path in any letter case: equal to it, above it, or below it (whole names, so
// "C:\Data" is not related to "C:\Data2"). kNoItem when none is.
size_t FindRelatedItem(const IFileSystem& fs, const RealTimeScope& scope, const String& path);

// The target path of path: the backup path, the item's name and the rest of path below the
// item; a drive-root item lands in the backup path itself, as in a backup run. The backup
// path, the item's folder and every existing source folder level between the item and path
// are created in the target on the way. Empty when path's last name is "_VLHistory", it is
// below no item, or there is no backup path.
String MapChangeToTarget(IFileSystem& fs, const RealTimeScope& scope, const String& path);

}  // namespace vl
