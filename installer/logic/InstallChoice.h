#pragma once
// The kind of installation the dialog shows, and the removable volumes it lists. The volumes
// are looked for each time the user switches to a removable installation (a disk plugged in
// meanwhile then shows up), never on a second press of the same choice.
#include <vector>

#include "installer/logic/Payloads.h"
#include "installer/logic/RemovableVolumes.h"

namespace vl::installer {

class InstallChoice {
 public:
  // probe must outlive this object.
  explicit InstallChoice(IVolumeProbe& probe) : m_probe(probe) {}

  InstallKind Kind() const { return m_kind; }
  const std::vector<RemovableVolume>& Volumes() const { return m_volumes; }

  // True when the kind changed, so the dialog swaps its controls.
  bool Choose(InstallKind kind);

 private:
  IVolumeProbe& m_probe;
  InstallKind m_kind = InstallKind::pc;
  std::vector<RemovableVolume> m_volumes;
};

}  // namespace vl::installer
