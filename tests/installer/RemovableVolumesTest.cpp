// The removable list against drives in memory: the bus decides, A: and B: are never looked at,
// a volume that will not open or answer is left out, and every opened volume is closed again;
// switching the kind of installation looks for volumes only when it changes to removable.
#include <gtest/gtest.h>

#include <map>

#include "installer/logic/InstallChoice.h"

namespace vl::installer {
namespace {

constexpr uint32_t kBusSata = 11;

struct FakeDrive {
  DriveType type = DriveType::fixed;
  bool opens = true;
  bool answers = true;
  uint32_t bus = kBusUsb;
  bool hasLabel = true;
};

class FakeProbe : public IVolumeProbe {
 public:
  std::map<Char, FakeDrive> drives;
  std::vector<String> opened;
  int open = 0;  // volumes not closed yet
  int enumerations = 0;

  uint32_t DriveMask() override {
    ++enumerations;
    uint32_t mask = 0;
    for (const auto& drive : drives) mask |= 1u << (drive.first - 'A');
    return mask;
  }
  DriveType TypeOf(const String& root) override { return drives.at(root[0]).type; }
  std::unique_ptr<IVolume> OpenVolume(const String& devicePath) override {
    opened.push_back(devicePath);
    const FakeDrive& drive = drives.at(devicePath.at(4));
    if (!drive.opens) return nullptr;
    return std::make_unique<Volume>(*this, drive);
  }
  bool VolumeLabel(const String& root, String& label) override {
    label = String(VLT("Label ")) + root[0];
    return drives.at(root[0]).hasLabel;
  }
  int IconIndex(const String& root) override { return root[0] - 'A'; }

 private:
  class Volume : public IVolume {
   public:
    Volume(FakeProbe& probe, const FakeDrive& drive) : m_probe(probe), m_drive(drive) {
      ++m_probe.open;
    }
    ~Volume() override { --m_probe.open; }
    bool QueryBusType(uint32_t& bus) override {
      bus = m_drive.bus;
      return m_drive.answers;
    }

   private:
    FakeProbe& m_probe;
    const FakeDrive& m_drive;
  };
};

TEST(RemovableVolumes, ListsVolumesOnExternalBusesWhateverTheirDriveType) {
  FakeProbe probe;
  probe.drives = {
      {'A', {DriveType::removable}},                    // floppy letters: never asked
      {'B', {DriveType::removable}},
      {'C', {DriveType::fixed, true, true, kBusSata}},  // the internal disk
      {'D', {DriveType::cdRom, false}},                 // no medium: does not open
      {'E', {DriveType::fixed}},                        // USB hard disk
      {'F', {DriveType::removable, true, true, kBusIeee1394, false}},
      {'G', {DriveType::removable, true, false}},       // the driver will not say
      {'H', {DriveType::noRootDir}},
      {'Z', {DriveType::unknown}},
  };
  const std::vector<RemovableVolume> volumes = FindRemovableVolumes(probe);
  ASSERT_EQ(volumes.size(), 2u);
  EXPECT_EQ(volumes[0].root, VLT("E:\\"));
  EXPECT_EQ(volumes[0].icon, 4);
  EXPECT_EQ(volumes[0].label, VLT("Label E"));
  EXPECT_EQ(volumes[1].root, VLT("F:\\"));
  EXPECT_EQ(volumes[1].label, String());
  EXPECT_EQ(probe.opened, (std::vector<String>{VLT("\\\\?\\C:"), VLT("\\\\?\\D:"),
                                               VLT("\\\\?\\E:"), VLT("\\\\?\\F:"),
                                               VLT("\\\\?\\G:")}));
  EXPECT_EQ(probe.open, 0);
}

TEST(InstallChoice, LooksForVolumesOnlyWhenSwitchingToRemovable) {
  const InstallKind pc = InstallKind::pc;
  const InstallKind removable = InstallKind::removable;
  const struct {
    const char* name;
    std::vector<InstallKind> presses;
    int enumerations;
  } cases[] = {
      {"PC while PC", {pc}, 0},
      {"removable twice", {removable, removable}, 1},
      {"removable, PC, removable", {removable, pc, removable}, 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FakeProbe probe;
    probe.drives = {{'E', {}}};
    InstallChoice choice(probe);
    for (InstallKind kind : c.presses) choice.Choose(kind);
    EXPECT_EQ(probe.enumerations, c.enumerations);
    EXPECT_EQ(choice.Kind(), c.presses.back());
    EXPECT_EQ(choice.Volumes().size(), c.enumerations ? 1u : 0u);
  }
}

}  // namespace
}  // namespace vl::installer
