#include "installer/logic/InstallPaths.h"

#include "core/rules/AsciiCase.h"

namespace vl::installer {

String VendorFolder(StringView programFiles) { return JoinPath(programFiles, VLT("Kestrava")); }

String DefaultInstallFolder(StringView programFiles) {
  return JoinPath(VendorFolder(programFiles), VLT("Vaultline"));
}

bool IsDefaultFolder(StringView folder, StringView defaultFolder) {
  return EqualsIgnoringAsciiCase(folder, defaultFolder);
}

String RemovableFolder(StringView volumeRoot) {
  return String(volumeRoot).append(VLT("Vaultline"));
}

String TemporaryBeside(StringView target) { return String(target).append(VLT(".~vlpart")); }

}  // namespace vl::installer
