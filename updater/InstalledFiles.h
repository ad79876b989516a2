#pragma once
// What is installed at a destination: whether it exists, its size and the product version of
// its version resource (the first language and code page it lists).
#include "updater/logic/UpdateServices.h"

namespace vl::updater {

// Empty when the file has no readable version resource.
String ReadProductVersion(const String& path);

class CInstalledFiles : public IInstalledFiles {
 public:
  InstalledFile Query(const String& path) const override;
};

}  // namespace vl::updater
