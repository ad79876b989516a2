#pragma once
// The drives of this computer as the removable list sees them: logical drives, drive types, the
// storage driver's bus type of each volume, labels and the shell's pictures.
#include "installer/ShellClass.h"
#include "installer/logic/RemovableVolumes.h"

namespace vl::installer {

class CVolumeProbe : public IVolumeProbe {
 public:
  // shell must outlive this object.
  explicit CVolumeProbe(const CShellClass& shell) : m_shell(shell) {}

  uint32_t DriveMask() override;
  DriveType TypeOf(const String& root) override;
  std::unique_ptr<IVolume> OpenVolume(const String& devicePath) override;
  bool VolumeLabel(const String& root, String& label) override;
  int IconIndex(const String& root) override { return m_shell.IconIndexOf(root); }

 private:
  const CShellClass& m_shell;
};

}  // namespace vl::installer
