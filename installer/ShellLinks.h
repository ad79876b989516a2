#pragma once
// Shortcut files through the shell's link object (IShellLinkW, saved with IPersistFile).
#include "installer/logic/InstallHost.h"

namespace vl::installer {

// False when the shell has no link object or persist interface, or the file was not saved.
bool SaveShellLink(const Shortcut& link, const String& linkPath);

}  // namespace vl::installer
