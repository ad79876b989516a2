#pragma once
// Removing a target folder tree when a synchronizing run finds its source gone.
#include "core/base/String.h"
#include "core/fs/FileSystem.h"

namespace vl {

class CRunState;

// Deletes everything below path and, with removeSelf, path itself. Read-only files are left as
// they are, so a tree holding one is not deleted (what went before it stays deleted). A folder
// that cannot be listed is a failure with its code, never an empty folder; a run cancelled
// part way stops at the next entry and fails with FsError::Cancelled.
FsResult DeleteTree(IFileSystem& fs, const CRunState& run, const String& path, bool removeSelf);

}  // namespace vl
