#include <gtest/gtest.h>

#include "client/platform/StoreErrorMap.h"

namespace vl {
namespace {

using platform::MapStoreError;

TEST(StoreErrorMap, MapsTheCodesTheModelActsOn) {
  EXPECT_EQ(MapStoreError(ERROR_SUCCESS), StoreError::None);
  EXPECT_EQ(MapStoreError(ERROR_DISK_FULL), StoreError::DiskFull);
  EXPECT_EQ(MapStoreError(ERROR_HANDLE_DISK_FULL), StoreError::DiskFull);
  EXPECT_EQ(MapStoreError(ERROR_ACCESS_DENIED), StoreError::AccessDenied);
  EXPECT_EQ(MapStoreError(ERROR_SHARING_VIOLATION), StoreError::SharingViolation);
  EXPECT_EQ(MapStoreError(ERROR_LOCK_VIOLATION), StoreError::SharingViolation);
  EXPECT_EQ(MapStoreError(ERROR_FILE_NOT_FOUND), StoreError::NotFound);
  EXPECT_EQ(MapStoreError(ERROR_PATH_NOT_FOUND), StoreError::NotFound);
  EXPECT_EQ(MapStoreError(ERROR_INVALID_NAME), StoreError::Other);
}

TEST(StoreErrorMap, FailureKeepsTheSystemCode) {
  const StoreResult result = platform::StoreFailure(ERROR_HANDLE_DISK_FULL);
  EXPECT_EQ(result.error, StoreError::DiskFull);
  EXPECT_EQ(result.systemCode, static_cast<uint32_t>(ERROR_HANDLE_DISK_FULL));
}

TEST(StoreErrorMap, FailureWithoutACodeIsStillAFailure) {
  EXPECT_FALSE(platform::StoreFailure(ERROR_SUCCESS).Ok());
}

}  // namespace
}  // namespace vl
