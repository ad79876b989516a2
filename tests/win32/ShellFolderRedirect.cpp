#include "tests/win32/ShellFolderRedirect.h"

#include "win32/handles/RegKey.h"

namespace vl::test {
namespace {

constexpr wchar_t kUserShellFolders[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";
constexpr wchar_t kShellFolders[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

}  // namespace

ShellFolderRedirect::ShellFolderRedirect(const String& valueName, const String& folder)
    : m_valueName(valueName),
      m_userShellFolder(kUserShellFolders),
      m_shellFolderCache(kShellFolders) {
  Save(m_userShellFolder);
  Save(m_shellFolderCache);
  win32::RegKey key;
  m_status = key.Create(HKEY_CURRENT_USER, kUserShellFolders, KEY_SET_VALUE);
  if (m_status == ERROR_SUCCESS) m_status = key.SetString(valueName, folder);
}

ShellFolderRedirect::~ShellFolderRedirect() {
  Restore(m_userShellFolder);
  Restore(m_shellFolderCache);
}

void ShellFolderRedirect::Save(SavedValue& saved) const {
  win32::RegKey key;
  if (key.Open(HKEY_CURRENT_USER, saved.keyPath, KEY_QUERY_VALUE) != ERROR_SUCCESS) return;
  DWORD bytes = 0;
  if (RegQueryValueExW(key.Get(), m_valueName.c_str(), nullptr, &saved.type, nullptr, &bytes) !=
      ERROR_SUCCESS)
    return;
  saved.data.resize(bytes);
  saved.existed = RegQueryValueExW(key.Get(), m_valueName.c_str(), nullptr, &saved.type,
                                   saved.data.data(), &bytes) == ERROR_SUCCESS;
}

void ShellFolderRedirect::Restore(const SavedValue& saved) const {
  win32::RegKey key;
  if (key.Open(HKEY_CURRENT_USER, saved.keyPath, KEY_SET_VALUE) != ERROR_SUCCESS) return;
  if (saved.existed)
    RegSetValueExW(key.Get(), m_valueName.c_str(), 0, saved.type, saved.data.data(),
                   static_cast<DWORD>(saved.data.size()));
  else
    key.DeleteValue(m_valueName);
}

}  // namespace vl::test
