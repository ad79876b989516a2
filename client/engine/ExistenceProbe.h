#pragma once
// Before an item is analysed the run learns which of its two sides exist.
#include "core/base/String.h"
#include "core/fs/FileSystem.h"

namespace vl {

class CSource;

// Sets item.sourceExists and item.targetExists (for MakeTargetPath) to 1 or 0. Returns how
// the source's query went: a source that is not there for another reason than being missing
// (access denied, a device error) is the caller's to report.
FsResult ProbeItem(CSource& item, const IFileSystem& fs);

}  // namespace vl
