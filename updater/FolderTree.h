#pragma once
// Removing the working folder with everything in it. A link inside it (a junction or a
// symbolic link to a folder) is removed as a link and never followed, so the removal cannot
// reach anything outside the folder.
#include "core/base/String.h"

namespace vl::updater {

// False when something could not be removed (it is left as it was); a folder that does not
// exist counts as removed.
bool RemoveFolderTree(const String& folder);

}  // namespace vl::updater
