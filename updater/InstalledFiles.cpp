#include "updater/InstalledFiles.h"

#include <windows.h>

#include "win32/VersionInfo.h"

namespace vl::updater {

InstalledFile CInstalledFiles::Query(const String& path) const {
  InstalledFile installed;
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!::GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return installed;
  installed.exists = true;
  installed.isFolder = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  installed.size = (uint64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow;
  if (!installed.isFolder) installed.productVersion = win32::ReadProductVersion(path);
  return installed;
}

}  // namespace vl::updater
