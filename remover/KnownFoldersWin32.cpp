#include "remover/KnownFoldersWin32.h"

#include <windows.h>
#include <shlobj.h>

#include "win32/ShellFolders.h"

namespace vl::remover {
namespace {

String ShellFolder(int csidl) {
  String path;
  win32::GetSpecialFolder(csidl, path);
  return path;
}

String WindowsFolder() {
  wchar_t path[MAX_PATH] = {};
  const UINT length = ::GetWindowsDirectoryW(path, MAX_PATH);
  return String(path, length < MAX_PATH ? length : 0);
}

String TempFolder() {
  wchar_t path[MAX_PATH + 1] = {};
  const DWORD length = ::GetTempPathW(MAX_PATH + 1, path);
  return String(path, length <= MAX_PATH ? length : 0);
}

// A 32-bit program on 64-bit Windows is shown the x86 folder under every CSIDL; the other one
// is only in the environment.
String NativeProgramFiles() {
  wchar_t path[MAX_PATH] = {};
  const DWORD length = ::GetEnvironmentVariableW(L"ProgramW6432", path, MAX_PATH);
  return String(path, length < MAX_PATH ? length : 0);
}

}  // namespace

KnownFolders GatherKnownFolders() {
  KnownFolders known;
  known.desktop = ShellFolder(CSIDL_DESKTOPDIRECTORY);
  known.documents = ShellFolder(CSIDL_PERSONAL);
  known.programs = ShellFolder(CSIDL_PROGRAMS);
  known.windows = WindowsFolder();
  known.profile = ShellFolder(CSIDL_PROFILE);
  known.programFiles = {ShellFolder(CSIDL_PROGRAM_FILES), ShellFolder(CSIDL_PROGRAM_FILESX86),
                        NativeProgramFiles()};
  known.shared = {ShellFolder(CSIDL_COMMON_DESKTOPDIRECTORY),
                  ShellFolder(CSIDL_COMMON_DOCUMENTS), ShellFolder(CSIDL_APPDATA),
                  ShellFolder(CSIDL_LOCAL_APPDATA), ShellFolder(CSIDL_COMMON_APPDATA),
                  TempFolder()};
  return known;
}

}  // namespace vl::remover
