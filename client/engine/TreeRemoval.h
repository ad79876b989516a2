#pragma once
// Removing a target folder tree when a synchronizing run finds its source gone.
#include "core/base/String.h"

namespace vl {

class CRunState;
class IFileSystem;

// Deletes everything below path and, with removeSelf, path itself; true on success. Read-only
// files are left as they are, so a tree holding one is not deleted (what went before it
// stays deleted). A cancelled run deletes nothing more and reports success for the subtree.
bool DeleteTree(IFileSystem& fs, const CRunState& run, const String& path, bool removeSelf);

}  // namespace vl
