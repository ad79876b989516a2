#include <gtest/gtest.h>

#include "core/rules/TargetRule.h"
#include "core/rules/TrayGate.h"

namespace vl {
namespace {

TEST(TrayGate, RunningBackupWinsOverAnOpenBox) {
  EXPECT_EQ(GateTrayNotification(true, true), TrayGate::skippedByRun);
  EXPECT_EQ(GateTrayNotification(true, false), TrayGate::skippedByRun);
  EXPECT_EQ(GateTrayNotification(false, true), TrayGate::skippedByPopup);
  EXPECT_EQ(GateTrayNotification(false, false), TrayGate::pass);
}

TEST(TargetRule, OnlyArrivalAndRemovalCount) {
  EXPECT_TRUE(IsTargetDeviceEvent(0x8000));
  EXPECT_TRUE(IsTargetDeviceEvent(0x8004));
  EXPECT_FALSE(IsTargetDeviceEvent(0x8001));
  EXPECT_FALSE(IsTargetDeviceEvent(0x8003));
  EXPECT_FALSE(IsTargetDeviceEvent(0x0007));
}

TEST(TargetRule, DriveRootTargetsAreCheckedByTheirVolume) {
  EXPECT_EQ(DriveRootVolumeOf(VLT("E:\\")), VLT("E:\\"));
  EXPECT_EQ(DriveRootVolumeOf(VLT("x:\\Backup\\")), VLT("x:\\"));
  EXPECT_EQ(DriveRootVolumeOf(VLT("E:\\Backup")), String());
  EXPECT_EQ(DriveRootVolumeOf(VLT("")), String());
  EXPECT_EQ(DriveRootVolumeOf(VLT("\\")), VLT("\\:\\"));
}

TEST(TargetRule, LineIsBlueWhenReachableAndGreyOtherwise) {
  EXPECT_EQ(TargetLineColour(true), 0xFF0000u);
  EXPECT_EQ(TargetLineColour(false), 0x808080u);
}

}  // namespace
}  // namespace vl
