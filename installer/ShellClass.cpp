#include "installer/ShellClass.h"

#include <shellapi.h>

namespace vl::installer {

HIMAGELIST CShellClass::SystemSmallIcons() const {
  SHFILEINFOW info{};
  return reinterpret_cast<HIMAGELIST>(
      ::SHGetFileInfoW(L"", 0, &info, sizeof(info), SHGFI_SYSICONINDEX | SHGFI_SMALLICON));
}

int CShellClass::IconIndexOf(const String& path) const {
  SHFILEINFOW info{};
  const DWORD_PTR found =
      ::SHGetFileInfoW(path.c_str(), FILE_ATTRIBUTE_DIRECTORY, &info, sizeof(info),
                       SHGFI_SYSICONINDEX | SHGFI_SMALLICON | SHGFI_USEFILEATTRIBUTES);
  return found ? info.iIcon : 0;
}

}  // namespace vl::installer
