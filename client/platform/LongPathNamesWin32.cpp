#include "client/platform/LongPathNamesWin32.h"

#include <windows.h>

#include "core/fs/FileSystem.h"

namespace vl {

String LongPathNamesWin32::LongPathOf(const String& path) const {
  wchar_t buffer[kMaxPathChars];
  // A result that does not fit comes back as the size it would need, which is no long form
  // this client can use.
  const DWORD length = ::GetLongPathNameW(path.c_str(), buffer, kMaxPathChars);
  if (length == 0 || length >= kMaxPathChars) return String();
  return String(buffer, length);
}

}  // namespace vl
