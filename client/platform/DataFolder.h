#pragma once
// Where the client keeps Config, Temp and Backup. The console tool uses the same rule so that
// both work on one backup set.
#include "core/base/String.h"

namespace vl {

struct DataFolderLocation {
  String modulePath;     // the running program file
  String programFolder;  // modulePath up to its last backslash
  String dataFolder;     // the program folder, or Documents\Vaultline for a program on the Desktop
};

// False when the program's own path cannot be read; nothing is filled in then.
bool LocateDataFolder(DataFolderLocation& location);

}  // namespace vl
