#include "updater/FilePlacer.h"

#include "updater/UpdateTrace.h"
#include "win32/handles/FileHandle.h"

namespace vl::updater {
namespace {

String FolderOf(const String& path) {
  const size_t slash = path.find_last_of(L'\\');
  return slash == String::npos ? String() : path.substr(0, slash);
}

// A fresh, empty file of a unique name in folder.
bool MakeTemporaryBeside(const String& destination, String& temporary) {
  wchar_t name[MAX_PATH] = {};
  if (!::GetTempFileNameW(FolderOf(destination).c_str(), L"VLU", 0, name)) return false;
  temporary = name;
  return true;
}

// The copy's data on disk and of the expected size before it may replace anything.
bool IsWholeOnDisk(const String& path, uint64_t size) {
  win32::FileHandle file;
  LARGE_INTEGER actual{};
  return file.Open(path, GENERIC_READ | GENERIC_WRITE, 0, OPEN_EXISTING) &&
         ::FlushFileBuffers(file.Get()) && ::GetFileSizeEx(file.Get(), &actual) &&
         static_cast<uint64_t>(actual.QuadPart) == size && file.Close();
}

}  // namespace

bool CFilePlacer::Replace(const String& source, const String& destination, uint64_t size) {
  String temporary;
  if (!MakeTemporaryBeside(destination, temporary)) {
    UpdateTrace(L"[VAULTLINE][Update] no room beside %s (%lu)\n", destination.c_str(),
                ::GetLastError());
    return false;
  }
  const bool placed = ::CopyFileW(source.c_str(), temporary.c_str(), FALSE) &&
                      IsWholeOnDisk(temporary, size) &&
                      ::MoveFileExW(temporary.c_str(), destination.c_str(),
                                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
  if (placed) return true;
  UpdateTrace(L"[VAULTLINE][Update] %s not replaced (%lu)\n", destination.c_str(),
              ::GetLastError());
  ::DeleteFileW(temporary.c_str());
  return false;
}

}  // namespace vl::updater
