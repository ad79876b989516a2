#include "win32/framework/MessageBox.h"

#include "win32/ResString.h"
#include "win32/framework/WinApp.h"
#include "win32/framework/Wnd.h"

namespace vl {
namespace {

// The box belongs to the window the user is working in: the main window's last active pop-up
// (a dialog it owns, such as the client's backup dialog) or the main window itself. Owned, that
// window stays disabled while the box is open, so its buttons cannot start a second command in
// the middle of the first. A hidden owner would keep the box off the taskbar and out of
// sight; then it stands on its own.
HWND MessageBoxOwner() {
  CWinAppBase* app = AfxGetApp();
  HWND main = app && app->m_pMainWnd ? app->m_pMainWnd->m_hWnd : nullptr;
  if (!main) return nullptr;
  HWND popup = ::GetLastActivePopup(main);
  if (popup && popup != main && ::IsWindowVisible(popup) && ::IsWindowEnabled(popup)) return popup;
  return ::IsWindowVisible(main) ? main : nullptr;
}

const wchar_t* MessageBoxCaption() {
  CWinAppBase* app = AfxGetApp();
  return app && app->m_pszAppName ? app->m_pszAppName : L"";
}

}  // namespace

UINT WithDefaultIcon(UINT type) {
  if ((type & MB_ICONMASK) != 0) return type;
  switch (type & MB_TYPEMASK) {
    case MB_OK:
    case MB_OKCANCEL:
      return type | MB_ICONEXCLAMATION;
    case MB_YESNO:
    case MB_YESNOCANCEL:
      return type | MB_ICONQUESTION;
    default:
      return type;
  }
}

int AfxMessageBox(const String& text, UINT type) {
  return ::MessageBoxW(MessageBoxOwner(), text.c_str(), MessageBoxCaption(),
                       WithDefaultIcon(type));
}

int AfxMessageBox(HWND owner, const String& text, UINT type) {
  if (owner && !::IsWindowVisible(owner)) owner = nullptr;
  return ::MessageBoxW(owner, text.c_str(), MessageBoxCaption(), WithDefaultIcon(type));
}

int AfxMessageBox(UINT promptId, UINT type) { return AfxMessageBox(LoadResString(promptId), type); }

}  // namespace vl
