#pragma once
// The drive letters of this computer, for finding a volume that has moved to another letter.
// Separate from IFileSystem because only recognition asks, and only by letter.
#include <cstdint>

#include "core/base/String.h"

namespace vl {

class IDriveSet {
 public:
  virtual ~IDriveSet() = default;
  // Bit i set: the drive letter 'A' + i is in use (GetLogicalDrives on Windows).
  virtual uint32_t LogicalDriveMask() const = 0;
  // Whether the volume device of letter ("\\?\X:") opens for reading; a drive that is listed
  // but whose device does not open is not searched.
  virtual bool VolumeDeviceOpens(Char letter) const = 0;
};

// For callers that know no drives: every search finds nothing.
class NoDrives : public IDriveSet {
 public:
  uint32_t LogicalDriveMask() const override { return 0; }
  bool VolumeDeviceOpens(Char) const override { return false; }
};

}  // namespace vl
