#pragma once
// Whether a target file already holds its source's contents, by real-time backup's rule.
#include "core/base/String.h"

namespace vl {

class IFileSystem;
class VolumeNameCache;

// Only times are compared, in this order: yes when the target's last-write time equals its own
// last-access time and is later than the source's; else, on file systems of the same name (any
// letter case; a volume that cannot be asked has an empty name), when the last-write times are
// equal; else, on differently named ones, when they differ by at most 2 seconds past a whole
// number of minutes. No when either status cannot be read. Unlike IsSameFile (SameFile.h) the
// "untouched" rule comes first and needs a strictly later target.
bool IsTargetCurrent(const IFileSystem& fs, VolumeNameCache& volumes, const String& source,
                     const String& target);

}  // namespace vl
