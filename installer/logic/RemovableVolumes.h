#pragma once
// The volumes a removable installation may go to: every drive from C: upward that sits on a
// USB or IEEE 1394 bus. The bus decides, not the drive type: a USB hard disk reports itself as
// a fixed drive, and a card reader inside the case as removable. A and B are floppy letters and
// never asked.
#include <cstdint>
#include <memory>
#include <vector>

#include "core/base/String.h"

namespace vl::installer {

// The system's drive types, in its own numbering.
enum class DriveType : uint32_t {
  unknown = 0,
  noRootDir = 1,
  removable = 2,
  fixed = 3,
  remote = 4,
  cdRom = 5,
  ramDisk = 6,
};

// Storage bus types as the storage driver reports them.
constexpr uint32_t kBusIeee1394 = 4;
constexpr uint32_t kBusUsb = 7;

// An open volume; closed when the object goes.
class IVolume {
 public:
  virtual ~IVolume() = default;
  // The bus of the device the volume lives on; false when the driver would not say.
  virtual bool QueryBusType(uint32_t& busType) = 0;
};

class IVolumeProbe {
 public:
  virtual ~IVolumeProbe() = default;
  // Bit 0 is A:, bit 2 is C:, ...
  virtual uint32_t DriveMask() = 0;
  virtual DriveType TypeOf(const String& root) = 0;
  // The volume by its device path ("\\?\E:"), opened for reading; null when it cannot be.
  virtual std::unique_ptr<IVolume> OpenVolume(const String& devicePath) = 0;
  virtual bool VolumeLabel(const String& root, String& label) = 0;
  // The root's picture in the system's small-icon list.
  virtual int IconIndex(const String& root) = 0;
};

struct RemovableVolume {
  String root;  // "E:\"
  int icon = 0;
  String label;  // empty when the volume information could not be read
};

std::vector<RemovableVolume> FindRemovableVolumes(IVolumeProbe& probe);

}  // namespace vl::installer
