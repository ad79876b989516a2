#pragma once
// A file that a restore is about to replace is kept first, as a history copy on the target
// beside the current copy it belongs to, so that a restore never costs the version the user had.
#include "core/base/String.h"
#include "core/fs/FileSystem.h"

namespace vl {

class IClock;

// Copies file into the history folder beside targetPath, named as a history copy of
// targetPath with the clock's stamp (numbered where that name is taken), by way of a partial
// name. copyPath is where it went.
FsResult KeepAsHistoryCopy(IFileSystem& fs, const IClock& clock, const String& file,
                           const String& targetPath, String& copyPath);

}  // namespace vl
