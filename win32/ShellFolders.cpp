#include "win32/ShellFolders.h"

#include <shlobj.h>

namespace vl::win32 {

HRESULT GetSpecialFolder(int csidl, String& path) {
  wchar_t buffer[MAX_PATH] = {};
  const HRESULT hr = SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, buffer);
  path = SUCCEEDED(hr) ? String(buffer) : String();
  return hr;
}

}  // namespace vl::win32
