#pragma once
// Whether the backup target can be reached after a device came or went, and telling the
// application flag and the backup dialog's target line about it.
#include <cstdint>

#include "core/base/String.h"

namespace vl {

class ITargetLine;

// A drive-root target counts when its volume answers a volume-information query; any other
// target when the path exists.
bool IsTargetReachable(const String& backupPath);

// Sets targetReady to 1 or 0 and colours the line blue or grey; line may be null (no dialog).
void ReportTargetState(bool reachable, int32_t& targetReady, ITargetLine* line);

}  // namespace vl
