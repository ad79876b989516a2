#include "installer/VolumeProbe.h"

#include <winioctl.h>

#include <cstddef>
#include <cstring>
#include <vector>

#include "win32/handles/FileHandle.h"

namespace vl::installer {
namespace {

// Room for the standard descriptor and the identification strings that follow it.
constexpr DWORD kDescriptorBufferSize = 551;

class CVolume : public IVolume {
 public:
  explicit CVolume(win32::FileHandle file) : m_file(std::move(file)) {}

  bool QueryBusType(uint32_t& busType) override {
    STORAGE_PROPERTY_QUERY query{};
    query.PropertyId = StorageDeviceProperty;
    query.QueryType = PropertyStandardQuery;
    std::vector<BYTE> buffer(kDescriptorBufferSize);
    DWORD returned = 0;
    if (!::DeviceIoControl(m_file.Get(), IOCTL_STORAGE_QUERY_PROPERTY, &query, sizeof(query),
                           buffer.data(), kDescriptorBufferSize, &returned, nullptr))
      return false;
    // A driver may fill in less than the whole descriptor; the bus type must be among it.
    constexpr size_t kBusTypeEnd =
        offsetof(STORAGE_DEVICE_DESCRIPTOR, BusType) + sizeof(STORAGE_BUS_TYPE);
    if (returned < kBusTypeEnd) return false;
    STORAGE_BUS_TYPE bus{};
    std::memcpy(&bus, buffer.data() + offsetof(STORAGE_DEVICE_DESCRIPTOR, BusType), sizeof(bus));
    busType = static_cast<uint32_t>(bus);
    return true;
  }

 private:
  win32::FileHandle m_file;
};

}  // namespace

uint32_t CVolumeProbe::DriveMask() { return ::GetLogicalDrives(); }

DriveType CVolumeProbe::TypeOf(const String& root) {
  return static_cast<DriveType>(::GetDriveTypeW(root.c_str()));
}

std::unique_ptr<IVolume> CVolumeProbe::OpenVolume(const String& devicePath) {
  win32::FileHandle file;
  if (!file.Open(devicePath, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_EXISTING, 0))
    return nullptr;
  return std::make_unique<CVolume>(std::move(file));
}

bool CVolumeProbe::VolumeLabel(const String& root, String& label) {
  wchar_t name[MAX_PATH + 1] = {};
  if (!::GetVolumeInformationW(root.c_str(), name, MAX_PATH + 1, nullptr, nullptr, nullptr,
                               nullptr, 0))
    return false;
  label = name;
  return true;
}

}  // namespace vl::installer
