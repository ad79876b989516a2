#pragma once
// Points one of the user's shell folders (a value of "User Shell Folders", such as "Desktop"
// or "Personal") at another folder for the life of the object, then puts the old values back,
// including the copy the shell caches under "Shell Folders". Tests use it so a program "on
// the Desktop" never touches the real Desktop or Documents.
#include <windows.h>

#include <vector>

#include "core/base/String.h"

namespace vl::test {

class ShellFolderRedirect {
 public:
  ShellFolderRedirect(const String& valueName, const String& folder);
  ~ShellFolderRedirect();
  ShellFolderRedirect(const ShellFolderRedirect&) = delete;
  ShellFolderRedirect& operator=(const ShellFolderRedirect&) = delete;

  // The registry's status of setting the new value.
  LONG Status() const { return m_status; }

 private:
  // One registry value as it was before the redirect.
  struct SavedValue {
    explicit SavedValue(const wchar_t* path) : keyPath(path) {}
    const wchar_t* keyPath;
    bool existed = false;
    DWORD type = REG_NONE;
    std::vector<BYTE> data;
  };
  void Save(SavedValue& saved) const;
  void Restore(const SavedValue& saved) const;

  String m_valueName;
  SavedValue m_userShellFolder;
  SavedValue m_shellFolderCache;
  LONG m_status = ERROR_SUCCESS;
};

}  // namespace vl::test
