#include "installer/logic/InstallChoice.h"

namespace vl::installer {

bool InstallChoice::Choose(InstallKind kind) {
  if (kind == m_kind) return false;
  m_kind = kind;
  if (kind == InstallKind::removable) m_volumes = FindRemovableVolumes(m_probe);
  return true;
}

}  // namespace vl::installer
