#pragma once
// Translates a Win32 error code into the set-file store's error kinds.
#include <windows.h>

#include "client/model/SetFileStore.h"

namespace vl::platform {

StoreError MapStoreError(DWORD systemCode);

// A failed result carrying both the mapped kind and the system's code.
StoreResult StoreFailure(DWORD systemCode);

}  // namespace vl::platform
