#pragma once
// What is installed at a destination: whether it exists, its size and the product version of
// its version resource (the first language and code page it lists).
#include "updater/logic/UpdateServices.h"

namespace vl::updater {

class CInstalledFiles : public IInstalledFiles {
 public:
  InstalledFile Query(const String& path) const override;
};

}  // namespace vl::updater
