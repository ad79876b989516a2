#include "client/platform/DataFolder.h"

#include <windows.h>
#include <shlobj.h>

#include "client/model/StartupRules.h"
#include "win32/ShellFolders.h"

namespace vl {

bool LocateDataFolder(DataFolderLocation& location) {
  wchar_t modulePath[MAX_PATH] = {};
  const DWORD length = ::GetModuleFileNameW(nullptr, modulePath, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return false;
  location.modulePath = modulePath;
  location.programFolder = FolderOfPath(location.modulePath);
  String desktop;
  String documents;
  win32::GetSpecialFolder(CSIDL_DESKTOPDIRECTORY, desktop);
  if (IsOnDesktop(location.programFolder, desktop)) {
    win32::GetSpecialFolder(CSIDL_PERSONAL, documents);
  }
  location.dataFolder = ChooseDataFolder(location.programFolder, desktop, documents);
  return true;
}

}  // namespace vl
