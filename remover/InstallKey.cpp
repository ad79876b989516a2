#include "remover/InstallKey.h"

#include "win32/handles/RegKey.h"

namespace vl::remover {
namespace {

constexpr const wchar_t* kKeyPath = L"Software\\Kestrava\\Vaultline";

}  // namespace

LONG ReadInstallRoot(String& root) {
  root.clear();
  win32::RegKey key;
  LONG status = key.Open(HKEY_LOCAL_MACHINE, kKeyPath, KEY_QUERY_VALUE);
  if (status != ERROR_SUCCESS) return status;
  String value;
  // QueryString sizes its buffer by the stored value, so a value of any length reads whole.
  status = key.QueryString(L"InstallRoot", value);
  if (status == ERROR_SUCCESS) root = value;
  return status;
}

LONG DeleteInstallKey() {
  const LONG status = win32::DeleteRegTree(HKEY_LOCAL_MACHINE, kKeyPath);
  return status == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : status;
}

}  // namespace vl::remover
