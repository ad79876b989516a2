#pragma once
// An open registry key. Every call returns the registry's own status code (ERROR_SUCCESS on
// success); the registry functions report through their result, not through GetLastError.
#include "core/base/String.h"
#include "win32/handles/UniqueHandle.h"

namespace vl::win32 {

struct RegKeyTraits {
  using Handle = HKEY;
  static Handle Invalid() { return nullptr; }
  static bool Close(Handle h) { return RegCloseKey(h) == ERROR_SUCCESS; }
};

class RegKey : public UniqueHandle<RegKeyTraits> {
 public:
  LONG Create(HKEY parent, const String& subKey, REGSAM access = KEY_READ | KEY_WRITE);
  LONG Open(HKEY parent, const String& subKey, REGSAM access = KEY_READ);
  // An empty name addresses the key's default value.
  LONG SetString(const String& name, const String& value);
  LONG QueryString(const String& name, String& value) const;
  LONG DeleteValue(const String& name);
};

// Removes subKey of parent with everything below it.
LONG DeleteRegTree(HKEY parent, const String& subKey);

}  // namespace vl::win32
