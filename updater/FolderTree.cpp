#include "updater/FolderTree.h"

#include "updater/logic/UpdatePaths.h"
#include "win32/handles/FindHandle.h"

namespace vl::updater {
namespace {

bool IsDotEntry(const wchar_t* name) {
  return name[0] == L'.' && (name[1] == L'\0' || (name[1] == L'.' && name[2] == L'\0'));
}

bool RemoveEntry(const String& path, DWORD attributes) {
  const bool folder = (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  const bool link = (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
  if (folder && !link) return RemoveFolderTree(path);
  if (attributes & FILE_ATTRIBUTE_READONLY)
    ::SetFileAttributesW(path.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
  return folder ? ::RemoveDirectoryW(path.c_str()) != FALSE : ::DeleteFileW(path.c_str()) != FALSE;
}

}  // namespace

bool RemoveFolderTree(const String& folder) {
  const DWORD attributes = ::GetFileAttributesW(folder.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    const DWORD error = ::GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
  }
  if (!(attributes & FILE_ATTRIBUTE_DIRECTORY) || (attributes & FILE_ATTRIBUTE_REPARSE_POINT))
    return false;
  bool removed = true;
  WIN32_FIND_DATAW entry{};
  win32::FindHandle find;
  for (bool more = find.First(JoinPath(folder, L"*.*"), entry); more; more = find.Next(entry)) {
    if (!IsDotEntry(entry.cFileName))
      removed = RemoveEntry(JoinPath(folder, entry.cFileName), entry.dwFileAttributes) && removed;
  }
  find.Close();
  return ::RemoveDirectoryW(folder.c_str()) != FALSE && removed;
}

}  // namespace vl::updater
