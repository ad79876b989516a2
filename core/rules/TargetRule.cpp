#include "core/rules/TargetRule.h"

namespace vl {

bool IsTargetDeviceEvent(uint32_t deviceEvent) {
  return deviceEvent == kDeviceArrival || deviceEvent == kDeviceRemoveComplete;
}

String DriveRootVolumeOf(const String& backupPath) {
  if (backupPath.empty() || backupPath.back() != VLT('\\')) return String();
  String volume(1, backupPath.front());
  volume += VLT(":\\");
  return volume;
}

}  // namespace vl
