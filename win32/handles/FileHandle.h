#pragma once
// A file opened with CreateFileW; INVALID_HANDLE_VALUE is "no handle".
#include "core/base/String.h"
#include "win32/handles/UniqueHandle.h"

namespace vl::win32 {

struct FileHandleTraits {
  using Handle = HANDLE;
  static Handle Invalid() { return INVALID_HANDLE_VALUE; }
  static bool Close(Handle h) { return CloseHandle(h) != FALSE; }
};

class FileHandle : public UniqueHandle<FileHandleTraits> {
 public:
  // CreateFileW with the given rights; on false GetLastError holds the reason.
  bool Open(const String& path, DWORD access, DWORD share, DWORD disposition,
            DWORD flags = FILE_ATTRIBUTE_NORMAL) {
    Reset(CreateFileW(path.c_str(), access, share, nullptr, disposition, flags, nullptr));
    return IsValid();
  }
};

}  // namespace vl::win32
