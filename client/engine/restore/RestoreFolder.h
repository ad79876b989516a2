#pragma once
// A folder restore: the current tree of a folder's copy on the target as the backup left it.
// History folders and partial copies are the backup's own housekeeping, never part of it.
#include "client/engine/restore/Restore.h"

namespace vl {

// Restores every file below copy (a folder on the target) to the same place below destination,
// making the folders on the way; what a replace displaces is kept beside each file's copy.
void RestoreFolderTree(IFileSystem& fs, const IClock& clock, const String& copy,
                       const String& destination, bool replace, RestoreOutcome& outcome);

// Whether any file of copy's tree has something at its place below destination.
bool FolderRestoreWouldReplace(const IFileSystem& fs, const String& copy,
                               const String& destination);

}  // namespace vl
