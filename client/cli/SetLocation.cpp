#include "client/cli/SetLocation.h"

#include "client/cli/FullPath.h"
#include "client/model/StartupRules.h"
#include "client/platform/DataFolder.h"
#include "client/platform/SetFileLookup.h"

namespace vl {

bool LocateSet(const String& setFileOption, SetLocation& location, String& error) {
  DataFolderLocation folders;
  if (!LocateDataFolder(folders)) {
    error = L"cannot find the program's own folder";
    return false;
  }
  location.dataFolder = folders.dataFolder;
  location.path = setFileOption.empty()
                      ? FindFirstSetFile(JoinPath(folders.dataFolder, L"Config"))
                      : FullPathOf(setFileOption);
  return true;
}

}  // namespace vl
