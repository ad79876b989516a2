#include "client/cli/SetLocation.h"

#include <windows.h>

#include "client/app/DataFolder.h"
#include "client/app/SetFileLookup.h"
#include "client/app/StartupRules.h"

namespace vl {
namespace {

String FullPathOf(const String& path) {
  wchar_t buffer[MAX_PATH] = {};
  const DWORD length = ::GetFullPathNameW(path.c_str(), MAX_PATH, buffer, nullptr);
  return (length == 0 || length >= MAX_PATH) ? path : String(buffer, length);
}

}  // namespace

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
