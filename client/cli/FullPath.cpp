#include "client/cli/FullPath.h"

#include <windows.h>

namespace vl {

String FullPathOf(const String& path) {
  wchar_t buffer[MAX_PATH] = {};
  const DWORD length = ::GetFullPathNameW(path.c_str(), MAX_PATH, buffer, nullptr);
  return (length == 0 || length >= MAX_PATH) ? path : String(buffer, length);
}

}  // namespace vl
