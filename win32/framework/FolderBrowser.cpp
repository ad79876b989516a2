#include "win32/framework/FolderBrowser.h"

#include <shlobj.h>

namespace vl {
namespace {

constexpr UINT kBrowseFlags = BIF_RETURNONLYFSDIRS | BIF_STATUSTEXT | BIF_NEWDIALOGSTYLE;

int CALLBACK BrowseCallback(HWND browser, UINT message, LPARAM param, LPARAM data) {
  if (message == BFFM_INITIALIZED) {
    const auto* initial = reinterpret_cast<const wchar_t*>(data);
    if (initial && *initial) ::SendMessageW(browser, BFFM_SETSELECTIONW, TRUE, data);
  } else if (message == BFFM_SELCHANGED) {
    // Items without a file-system path (Control Panel, ...) leave an empty status line.
    wchar_t path[MAX_PATH] = L"";
    ::SHGetPathFromIDListW(reinterpret_cast<PCIDLIST_ABSOLUTE>(param), path);
    ::SendMessageW(browser, BFFM_SETSTATUSTEXTW, 0, reinterpret_cast<LPARAM>(path));
  }
  return 0;
}

bool Browse(HWND owner, const String& title, const String& initial, UINT flags, String& chosen) {
  BROWSEINFOW info{};
  info.hwndOwner = owner;
  info.pidlRoot = nullptr;
  info.lpszTitle = title.c_str();
  info.ulFlags = flags;
  info.lpfn = &BrowseCallback;
  info.lParam = reinterpret_cast<LPARAM>(initial.c_str());
  PIDLIST_ABSOLUTE item = ::SHBrowseForFolderW(&info);
  if (!item) return false;
  wchar_t path[MAX_PATH] = L"";
  const bool havePath = ::SHGetPathFromIDListW(item, path) != FALSE && path[0] != L'\0';
  ::CoTaskMemFree(item);
  if (havePath) chosen = path;
  return havePath;
}

}  // namespace

bool BrowseForFolder(HWND owner, const String& title, const String& initial, String& chosen) {
  return Browse(owner, title, initial, kBrowseFlags, chosen);
}

bool BrowseForFileOrFolder(HWND owner, const String& title, String& chosen) {
  // Not "file-system folders only": that would refuse every file.
  return Browse(owner, title, String(), BIF_BROWSEINCLUDEFILES | BIF_STATUSTEXT |
                                            BIF_NEWDIALOGSTYLE, chosen);
}

}  // namespace vl
