#include "client/app/Autostart.h"

#include "win32/handles/RegKey.h"

namespace vl {

bool IsAutostartOn(const String& programPath) {
  win32::RegKey key;
  if (key.Open(HKEY_LOCAL_MACHINE, kAutostartRunKey, KEY_READ) != ERROR_SUCCESS) return false;
  String value;
  if (key.QueryString(kAutostartValue, value) != ERROR_SUCCESS) return false;
  return ::CompareStringOrdinal(value.c_str(), -1, programPath.c_str(), -1, TRUE) == CSTR_EQUAL;
}

LONG SetAutostart(bool on, const String& programPath) {
  win32::RegKey key;
  const LONG status = key.Open(HKEY_LOCAL_MACHINE, kAutostartRunKey, KEY_ALL_ACCESS);
  if (status != ERROR_SUCCESS) return status;
  if (!on) return key.DeleteValue(kAutostartValue);
  return key.SetString(kAutostartValue, programPath);
}

}  // namespace vl
