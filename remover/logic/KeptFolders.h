#pragma once
// Folders the remover never removes nor looks into for files of its own, whatever the install
// key says: a drive root, the Windows folder and everything in it, the Program Files folders,
// the Desktop, Documents, the user's profile and the other shared folders, and every folder
// that holds one of those. An install root that is one of them loses only the client's program
// files.
#include "core/base/String.h"
#include "remover/logic/KnownFolders.h"
#include "remover/logic/RemovalFileSystem.h"

namespace vl::remover {

bool IsKeptFolder(const String& folder, const KnownFolders& known, const IRemovalFileSystem& fs);

}  // namespace vl::remover
