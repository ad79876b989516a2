#pragma once
// A named mutex. Create reports the system's own code so the caller can tell a fresh mutex
// (ERROR_SUCCESS) from one another process already made (ERROR_ALREADY_EXISTS).
#include "core/base/String.h"
#include "win32/handles/UniqueHandle.h"

namespace vl::win32 {

struct MutexHandleTraits {
  using Handle = HANDLE;
  static Handle Invalid() { return nullptr; }
  static bool Close(Handle h) { return CloseHandle(h) != FALSE; }
};

class MutexHandle : public UniqueHandle<MutexHandleTraits> {
 public:
  // ERROR_SUCCESS, ERROR_ALREADY_EXISTS (a handle is held, ownership was not granted) or the
  // reason no handle could be had.
  DWORD Create(const String& name, bool initialOwner) {
    Reset(CreateMutexW(nullptr, initialOwner ? TRUE : FALSE, name.c_str()));
    const DWORD code = GetLastError();
    if (!IsValid()) return code;
    return code == ERROR_ALREADY_EXISTS ? code : static_cast<DWORD>(ERROR_SUCCESS);
  }
  bool Release() { return ReleaseMutex(Get()) != FALSE; }
};

}  // namespace vl::win32
