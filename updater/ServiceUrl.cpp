#include "updater/ServiceUrl.h"

#include "win32/handles/RegKey.h"

namespace vl::updater {

String UpdateServiceUrl() {
  win32::RegKey key;
  String url;
  if (key.Open(HKEY_LOCAL_MACHINE, L"Software\\Kestrava\\Vaultline") == ERROR_SUCCESS &&
      key.QueryString(L"UpdateURL", url) == ERROR_SUCCESS && !url.empty())
    return url;
  return kDefaultServiceUrl;
}

}  // namespace vl::updater
