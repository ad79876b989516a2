#include "client/platform/SetFileLookup.h"

#include <cwchar>

#include "client/model/StartupRules.h"
#include "win32/handles/FindHandle.h"

namespace vl {

bool IsSetFileEntry(const WIN32_FIND_DATAW& entry) {
  if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return false;
  return std::wcscmp(entry.cFileName, L".") != 0 && std::wcscmp(entry.cFileName, L"..") != 0;
}

String FindFirstSetFile(const String& configFolder) {
  WIN32_FIND_DATAW entry{};
  win32::FindHandle find;
  for (bool more = find.First(JoinPath(configFolder, L"*.bsf"), entry); more;
       more = find.Next(entry)) {
    if (IsSetFileEntry(entry)) return JoinPath(configFolder, entry.cFileName);
  }
  return String();
}

}  // namespace vl
