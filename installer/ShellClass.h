#pragma once
// CShellClass: the shell's pictures of drives and folders, through the system's small-icon
// image list. The list belongs to the system: whoever shows it must never destroy it.
#include <windows.h>
#include <commctrl.h>

#include "core/base/String.h"

namespace vl::installer {

class CShellClass {
 public:
  virtual ~CShellClass() = default;

  HIMAGELIST SystemSmallIcons() const;
  // The picture of path, asked as a folder by its attributes, so nothing is read from a slow
  // or absent drive; 0 when the shell would not say.
  int IconIndexOf(const String& path) const;
};

}  // namespace vl::installer
