#pragma once
// Finding the backup-set file of a Config folder.
#include <windows.h>

#include "core/base/String.h"

namespace vl {

// Folders (x.bsf may be one) and the "." and ".." entries are never set files.
bool IsSetFileEntry(const WIN32_FIND_DATAW& entry);

// The full path of the first *.bsf file of configFolder in the order the file system lists
// them; empty when there is none.
String FindFirstSetFile(const String& configFolder);

}  // namespace vl
