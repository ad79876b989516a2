#include "installer/FolderBrowse.h"

#include <shlobj.h>

namespace vl::installer {
namespace {

int CALLBACK ShowSelectionInStatus(HWND browser, UINT message, LPARAM param, LPARAM) {
  if (message != BFFM_SELCHANGED) return 0;
  // Items without a file-system path (Control Panel, ...) leave an empty status line.
  wchar_t path[MAX_PATH] = L"";
  ::SHGetPathFromIDListW(reinterpret_cast<PCIDLIST_ABSOLUTE>(param), path);
  ::SendMessageW(browser, BFFM_SETSTATUSTEXTW, 0, reinterpret_cast<LPARAM>(path));
  return 0;
}

}  // namespace

bool BrowseForInstallFolder(HWND owner, const String& title, String& chosen) {
  BROWSEINFOW info{};
  info.hwndOwner = owner;
  info.lpszTitle = title.c_str();
  info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_STATUSTEXT | BIF_NEWDIALOGSTYLE;
  info.lpfn = &ShowSelectionInStatus;
  PIDLIST_ABSOLUTE item = ::SHBrowseForFolderW(&info);
  if (!item) return false;
  wchar_t path[MAX_PATH] = L"";
  const bool havePath = ::SHGetPathFromIDListW(item, path) != FALSE && path[0] != L'\0';
  ::CoTaskMemFree(item);
  if (havePath) chosen = path;
  return havePath;
}

}  // namespace vl::installer
