#include "win32/framework/MessageBox.h"

#include "win32/framework/ResString.h"
#include "win32/framework/WinApp.h"
#include "win32/framework/Wnd.h"

namespace vl {
namespace {

HWND MessageBoxOwner() {
  CWinAppBase* app = AfxGetApp();
  HWND main = app && app->m_pMainWnd ? app->m_pMainWnd->m_hWnd : nullptr;
  // A hidden owner would keep the box off the taskbar; then it stands on its own.
  return main && ::IsWindowVisible(main) ? main : nullptr;
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

int AfxMessageBox(UINT promptId, UINT type) { return AfxMessageBox(LoadResString(promptId), type); }

}  // namespace vl
