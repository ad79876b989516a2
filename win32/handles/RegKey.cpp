#include "win32/handles/RegKey.h"

#include <vector>

namespace vl::win32 {

LONG RegKey::Create(HKEY parent, const String& subKey, REGSAM access) {
  HKEY key = nullptr;
  const LONG status = RegCreateKeyExW(parent, subKey.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                      access, nullptr, &key, nullptr);
  Reset(status == ERROR_SUCCESS ? key : nullptr);
  return status;
}

LONG RegKey::Open(HKEY parent, const String& subKey, REGSAM access) {
  HKEY key = nullptr;
  const LONG status = RegOpenKeyExW(parent, subKey.c_str(), 0, access, &key);
  Reset(status == ERROR_SUCCESS ? key : nullptr);
  return status;
}

LONG RegKey::SetString(const String& name, const String& value) {
  const DWORD bytes = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
  return RegSetValueExW(Get(), name.c_str(), 0, REG_SZ,
                        reinterpret_cast<const BYTE*>(value.c_str()), bytes);
}

LONG RegKey::QueryString(const String& name, String& value) const {
  DWORD type = 0;
  DWORD bytes = 0;
  LONG status = RegQueryValueExW(Get(), name.c_str(), nullptr, &type, nullptr, &bytes);
  if (status != ERROR_SUCCESS) return status;
  if (type != REG_SZ && type != REG_EXPAND_SZ) return ERROR_INVALID_DATATYPE;
  std::vector<wchar_t> buffer(bytes / sizeof(wchar_t) + 1, L'\0');
  status = RegQueryValueExW(Get(), name.c_str(), nullptr, &type,
                            reinterpret_cast<BYTE*>(buffer.data()), &bytes);
  if (status != ERROR_SUCCESS) return status;
  // The stored data need not carry its terminator; the extra zeroed slot supplies one.
  value.assign(buffer.data());
  return ERROR_SUCCESS;
}

LONG RegKey::DeleteValue(const String& name) { return RegDeleteValueW(Get(), name.c_str()); }

LONG DeleteRegTree(HKEY parent, const String& subKey) {
  return RegDeleteTreeW(parent, subKey.c_str());
}

}  // namespace vl::win32
