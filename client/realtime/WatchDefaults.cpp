#include "client/realtime/WatchDefaults.h"

#include <windows.h>
#include <shlobj.h>

#include "client/engine/realtime/WatchExclusions.h"
#include "win32/Guid.h"
#include "win32/ShellFolders.h"
#include "win32/handles/FileHandle.h"

namespace vl {
namespace {

String SpecialFolder(int csidl) {
  String path;
  win32::GetSpecialFolder(csidl, path);
  return path;  // empty on failure, which ExcludedFolders leaves out
}

String TempPath() {
  wchar_t buffer[MAX_PATH + 1] = {};
  const DWORD length = GetTempPathW(MAX_PATH + 1, buffer);
  return length == 0 || length > MAX_PATH ? String() : String(buffer, length);
}

}  // namespace

std::vector<String> SystemExcludedFolders() {
  return ExcludedFolders(SpecialFolder(CSIDL_WINDOWS), SpecialFolder(CSIDL_PROGRAM_FILES),
                         SpecialFolder(CSIDL_INTERNET_CACHE), TempPath());
}

std::vector<String> FixedDriveRoots() {
  std::vector<String> roots;
  const DWORD drives = GetLogicalDrives();
  for (int letter = 0; letter < 26; ++letter) {
    if ((drives & (DWORD{1} << letter)) == 0) continue;
    const String root = {static_cast<wchar_t>(L'A' + letter), L':', L'\\'};
    if (GetDriveTypeW(root.c_str()) == DRIVE_FIXED) roots.push_back(root);
  }
  return roots;
}

bool WakeByFile(const String& root) {
  const String name = win32::MakeGuidText();
  if (name.empty()) return false;
  const String path = root + name;
  win32::FileHandle file;
  if (!file.Open(path, GENERIC_WRITE, 0, CREATE_NEW)) return false;
  file.Close();
  DeleteFileW(path.c_str());
  return true;
}

}  // namespace vl
