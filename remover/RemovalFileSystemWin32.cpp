#include "remover/RemovalFileSystemWin32.h"

#include <windows.h>

#include "remover/logic/FolderText.h"
#include "win32/handles/FileHandle.h"
#include "win32/handles/FindHandle.h"

namespace vl::remover {
namespace {

struct FolderIdentity {
  DWORD volume = 0;
  DWORD indexHigh = 0;
  DWORD indexLow = 0;
};

bool ReadIdentity(const String& folder, FolderIdentity& identity) {
  win32::FileHandle handle;
  BY_HANDLE_FILE_INFORMATION info{};
  if (!handle.Open(folder, FILE_READ_ATTRIBUTES,
                   FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, OPEN_EXISTING,
                   FILE_FLAG_BACKUP_SEMANTICS) ||
      !::GetFileInformationByHandle(handle.Get(), &info))
    return false;
  identity = {info.dwVolumeSerialNumber, info.nFileIndexHigh, info.nFileIndexLow};
  return true;
}

bool SameText(const String& a, const String& b) {
  const String left = WithoutFinalBackslash(a);
  const String right = WithoutFinalBackslash(b);
  return ::CompareStringOrdinal(left.c_str(), static_cast<int>(left.size()), right.c_str(),
                                static_cast<int>(right.size()), TRUE) == CSTR_EQUAL;
}

bool IsPlainFile(const WIN32_FIND_DATAW& entry) {
  return (entry.dwFileAttributes &
          (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DEVICE)) == 0;
}

}  // namespace

EntryKind RemovalFileSystemWin32::KindOf(const String& path) const {
  const DWORD attributes = ::GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    const DWORD code = ::GetLastError();
    const bool missing = code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND;
    return missing ? EntryKind::Missing : EntryKind::Other;
  }
  if (attributes & (FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DEVICE)) return EntryKind::Other;
  return (attributes & FILE_ATTRIBUTE_DIRECTORY) ? EntryKind::Folder : EntryKind::File;
}

bool RemovalFileSystemWin32::ListFileNames(const String& folder,
                                           std::vector<String>& names) const {
  names.clear();
  WIN32_FIND_DATAW entry{};
  win32::FindHandle find;
  if (!find.First(JoinPath(folder, L"*"), entry)) return ::GetLastError() == ERROR_FILE_NOT_FOUND;
  do {
    if (IsPlainFile(entry)) names.emplace_back(entry.cFileName);
  } while (find.Next(entry));
  return ::GetLastError() == ERROR_NO_MORE_FILES;
}

FsResult RemovalFileSystemWin32::RemoveFile(const String& path) {
  if (::DeleteFileW(path.c_str())) return FsResult{};
  return FsFailure(::GetLastError());
}

FsResult RemovalFileSystemWin32::RemoveEmptyFolder(const String& path) {
  if (::RemoveDirectoryW(path.c_str())) return FsResult{};
  return FsFailure(::GetLastError());
}

bool RemovalFileSystemWin32::SameFolder(const String& a, const String& b) const {
  FolderIdentity left;
  FolderIdentity right;
  if (!ReadIdentity(a, left) || !ReadIdentity(b, right)) return SameText(a, b);
  return left.volume == right.volume && left.indexHigh == right.indexHigh &&
         left.indexLow == right.indexLow;
}

}  // namespace vl::remover
