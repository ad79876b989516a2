#pragma once
// The install key the installer writes: HKLM\Software\Kestrava\Vaultline, whose InstallRoot
// names the install folder.
#include <windows.h>

#include "core/base/String.h"

namespace vl::remover {

// The key as the report names it when it could not be deleted.
constexpr const wchar_t* kInstallKeyName = L"HKEY_LOCAL_MACHINE\\Software\\Kestrava\\Vaultline";

// The registry's status; root is left empty unless the value was read whole, at any length.
LONG ReadInstallRoot(String& root);
// Deletes the key with whatever is below it; "Kestrava" stays. A key that is not there counts
// as deleted.
LONG DeleteInstallKey();

}  // namespace vl::remover
