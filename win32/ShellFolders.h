#pragma once
// The user's special folders (Desktop, Documents, ...) by CSIDL.
#include <windows.h>

#include "core/base/String.h"

namespace vl::win32 {

// SHGetFolderPathW for the current user; the HRESULT tells why it failed.
HRESULT GetSpecialFolder(int csidl, String& path);

}  // namespace vl::win32
