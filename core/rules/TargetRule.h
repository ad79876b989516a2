#pragma once
// When and how the frame re-checks the backup target after a device change, and the colour the
// backup dialog then gives its target line.
#include <cstdint>

#include "core/base/String.h"

namespace vl {

// Only a device that arrived (0x8000) or has been removed (0x8004) can change the answer.
constexpr uint32_t kDeviceArrival = 0x8000;
constexpr uint32_t kDeviceRemoveComplete = 0x8004;
bool IsTargetDeviceEvent(uint32_t deviceEvent);

// Colour references (0x00BBGGRR) of the target line.
constexpr uint32_t kTargetReadyColour = 0xFF0000;    // blue
constexpr uint32_t kTargetMissingColour = 0x808080;  // grey
inline uint32_t TargetLineColour(bool reachable) {
  return reachable ? kTargetReadyColour : kTargetMissingColour;
}

// A target ending in a backslash names a drive root. Its reachability is that of the volume
// "<first character>:\", which answers even when the path itself is written oddly; any other
// target must exist as a path. Empty for a target that is not a drive root.
String DriveRootVolumeOf(const String& backupPath);

}  // namespace vl
