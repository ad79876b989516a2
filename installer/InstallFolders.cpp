#include "installer/InstallFolders.h"

#include <windows.h>
#include <shlobj.h>

#include "win32/ShellFolders.h"

namespace vl::installer {
namespace {

String WindowsFolder() {
  wchar_t path[MAX_PATH] = {};
  const UINT length = ::GetWindowsDirectoryW(path, MAX_PATH);
  return String(path, length < MAX_PATH ? length : 0);
}

String ShellFolder(int csidl) {
  String path;
  win32::GetSpecialFolder(csidl, path);
  return path;
}

}  // namespace

InstallFolders FindInstallFolders() {
  return InstallFolders{ShellFolder(CSIDL_PROGRAM_FILES), WindowsFolder(),
                        ShellFolder(CSIDL_DESKTOPDIRECTORY), ShellFolder(CSIDL_PROGRAMS)};
}

}  // namespace vl::installer
