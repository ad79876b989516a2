#include "installer/logic/RemovableVolumes.h"

namespace vl::installer {
namespace {

constexpr int kFirstDrive = 2;  // C:
constexpr int kDriveCount = 26;

bool IsExternalBus(uint32_t busType) { return busType == kBusUsb || busType == kBusIeee1394; }

bool IsOnExternalBus(IVolumeProbe& probe, Char letter) {
  const String devicePath = String(VLT("\\\\?\\")) + letter + VLT(':');
  std::unique_ptr<IVolume> volume = probe.OpenVolume(devicePath);
  uint32_t busType = 0;
  return volume && volume->QueryBusType(busType) && IsExternalBus(busType);
}

}  // namespace

std::vector<RemovableVolume> FindRemovableVolumes(IVolumeProbe& probe) {
  std::vector<RemovableVolume> volumes;
  const uint32_t mask = probe.DriveMask();
  for (int drive = kFirstDrive; drive < kDriveCount; ++drive) {
    if (!(mask & (1u << drive))) continue;
    const Char letter = static_cast<Char>(VLT('A') + drive);
    const String root = String(1, letter) + VLT(":\\");
    const DriveType type = probe.TypeOf(root);
    if (type == DriveType::unknown || type == DriveType::noRootDir) continue;
    if (!IsOnExternalBus(probe, letter)) continue;
    RemovableVolume volume{root, probe.IconIndex(root), String()};
    if (!probe.VolumeLabel(root, volume.label)) volume.label.clear();
    volumes.push_back(std::move(volume));
  }
  return volumes;
}

}  // namespace vl::installer
