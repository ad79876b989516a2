// The volume queries recognition relies on, on this platform's own drives.
#include <gtest/gtest.h>

#include "client/platform/FileSystemWin32.h"

namespace vl::test {
namespace {

TEST(VolumeQueries, ADriveRootAnswersInBothForms) {
  platform::FileSystemWin32 fs;
  VolumeInfo plain, device;
  ASSERT_TRUE(fs.GetVolumeInfo(L"C:\\", plain));
  ASSERT_TRUE(fs.GetVolumeInfo(L"\\\\?\\C:\\", device));
  EXPECT_EQ(plain.serial, device.serial);
  EXPECT_FALSE(plain.fileSystemName.empty());
  EXPECT_FALSE(fs.GetVolumeInfo(L"C:", plain)) << "a root ends with a backslash";
  EXPECT_FALSE(fs.GetVolumeInfo(L"C:\\Windows\\", plain)) << "not a root";
}

TEST(VolumeQueries, DriveLettersAndTheirDevices) {
  platform::FileSystemWin32 fs;
  const uint32_t mask = fs.LogicalDriveMask();
  EXPECT_NE(mask & (1u << 2), 0u) << "C:";
  EXPECT_TRUE(fs.VolumeDeviceOpens(L'C'));
  for (wchar_t letter = L'D'; letter <= L'Z'; ++letter) {
    if ((mask & (1u << (letter - L'A'))) == 0) {
      EXPECT_FALSE(fs.VolumeDeviceOpens(letter)) << static_cast<char>(letter);
      break;
    }
  }
}

}  // namespace
}  // namespace vl::test
