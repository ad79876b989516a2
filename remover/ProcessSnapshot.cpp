#include "remover/ProcessSnapshot.h"

#include <windows.h>
#include <tlhelp32.h>

#include "win32/handles/UniqueHandle.h"

namespace vl::remover {
namespace {

// A toolhelp snapshot is closed like any kernel object but fails as INVALID_HANDLE_VALUE.
struct SnapshotTraits {
  using Handle = HANDLE;
  static Handle Invalid() { return INVALID_HANDLE_VALUE; }
  static bool Close(Handle h) { return ::CloseHandle(h) != FALSE; }
};

}  // namespace

bool ListRunningExecutables(std::vector<String>& exeNames) {
  win32::UniqueHandle<SnapshotTraits> snapshot(::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
  if (!snapshot) return false;
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof(entry);
  if (!::Process32FirstW(snapshot.Get(), &entry)) return false;
  do {
    exeNames.emplace_back(entry.szExeFile);
  } while (::Process32NextW(snapshot.Get(), &entry));
  return ::GetLastError() == ERROR_NO_MORE_FILES;
}

}  // namespace vl::remover
