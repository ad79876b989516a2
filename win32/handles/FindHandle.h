#pragma once
// A directory listing started with FindFirstFileW; closed with FindClose.
#include "core/base/String.h"
#include "win32/handles/UniqueHandle.h"

namespace vl::win32 {

struct FindHandleTraits {
  using Handle = HANDLE;
  static Handle Invalid() { return INVALID_HANDLE_VALUE; }
  static bool Close(Handle h) { return FindClose(h) != FALSE; }
};

class FindHandle : public UniqueHandle<FindHandleTraits> {
 public:
  // The first match of pattern; false with GetLastError (ERROR_FILE_NOT_FOUND when none).
  bool First(const String& pattern, WIN32_FIND_DATAW& data) {
    Reset(FindFirstFileW(pattern.c_str(), &data));
    return IsValid();
  }
  // The next match; false with ERROR_NO_MORE_FILES at the end.
  bool Next(WIN32_FIND_DATAW& data) { return FindNextFileW(Get(), &data) != FALSE; }
};

}  // namespace vl::win32
