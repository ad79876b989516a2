#pragma once
// The programs the installer carries, written out of its resources. Each one is written under
// a temporary name beside its target, flushed and renamed over the target only when whole, so
// a full disk or a refused write never leaves a truncated program behind.
#include <windows.h>

#include <cstdint>

#include "core/base/String.h"

namespace vl::installer {

// 0 once resource resourceId (type "IDR_EXE", Korean) is at path; otherwise the system's
// error code, path as it was, and no temporary file left.
uint32_t WritePayloadResource(UINT resourceId, const String& path);

}  // namespace vl::installer
