#include "client/platform/StoreErrorMap.h"

namespace vl::platform {

StoreError MapStoreError(DWORD systemCode) {
  switch (systemCode) {
    case ERROR_SUCCESS:
      return StoreError::None;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      return StoreError::DiskFull;
    case ERROR_ACCESS_DENIED:
      return StoreError::AccessDenied;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
      return StoreError::SharingViolation;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
      return StoreError::NotFound;
    default:
      return StoreError::Other;
  }
}

StoreResult StoreFailure(DWORD systemCode) {
  StoreResult result;
  // A failure must never read as success, even if the system forgot to set a code.
  result.error = systemCode == ERROR_SUCCESS ? StoreError::Other : MapStoreError(systemCode);
  result.systemCode = systemCode;
  return result;
}

}  // namespace vl::platform
