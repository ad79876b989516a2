#include "win32/framework/FrameWnd.h"

#include "win32/framework/WinApp.h"

namespace vl {
namespace {

HICON LoadProgramIcon(UINT iconId, int size) {
  if (iconId == 0) return nullptr;
  return static_cast<HICON>(::LoadImageW(AfxGetInstanceHandle(), MAKEINTRESOURCEW(iconId),
                                         IMAGE_ICON, size, size, LR_DEFAULTCOLOR | LR_SHARED));
}

}  // namespace

bool CFrameWnd::Create(const String& title, DWORD style, UINT iconId, CWnd* parent) {
  if (!RegisterWindowClass(kClassName, CS_DBLCLKS, nullptr, nullptr,
                           reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1)))
    return false;
  if (!CreateEx(0, kClassName, title, style, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                CW_USEDEFAULT, parent ? parent->m_hWnd : nullptr, nullptr))
    return false;
  if (HICON bigIcon = LoadProgramIcon(iconId, ::GetSystemMetrics(SM_CXICON)))
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon));
  if (HICON smallIcon = LoadProgramIcon(iconId, ::GetSystemMetrics(SM_CXSMICON)))
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon));
  return true;
}

void CFrameWnd::OnDestroy() {
  CWinAppBase* app = AfxGetApp();
  if (app && app->m_pMainWnd == this) ::PostQuitMessage(0);
}

}  // namespace vl
