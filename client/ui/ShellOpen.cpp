#include "client/ui/ShellOpen.h"

#include <shellapi.h>

namespace vl {

bool OpenWithShell(HWND owner, const String& path) {
  // ShellExecute reports success as a value above 32.
  const HINSTANCE result =
      ::ShellExecuteW(owner, L"open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
  return reinterpret_cast<INT_PTR>(result) > 32;
}

}  // namespace vl
