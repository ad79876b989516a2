#include "client/app/LinkedConnections.h"

#include "core/rules/OsName.h"
#include "win32/handles/RegKey.h"

namespace vl {

LONG EnableLinkedConnections(HKEY root) {
  win32::RegKey key;
  const LONG status = key.Open(root, kPolicySystemKey, KEY_ALL_ACCESS);
  if (status != ERROR_SUCCESS) return status;
  const DWORD one = 1;
  return ::RegSetValueExW(key.Get(), kLinkedConnectionsValue, 0, REG_DWORD,
                          reinterpret_cast<const BYTE*>(&one), sizeof(one));
}

bool ApplyLinkedConnectionsPolicy(const String& osName) {
  if (!NeedsLinkedConnections(osName)) return false;
  return EnableLinkedConnections(HKEY_LOCAL_MACHINE) == ERROR_SUCCESS;
}

}  // namespace vl
