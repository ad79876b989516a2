#include "client/app/MainFrm.h"

#include "client/app/VaultlineApp.h"
#include "resources/client/resource.h"

namespace vl {

bool CMainFrame::CreateHidden() {
  if (!Create(kCaption, WS_OVERLAPPEDWINDOW, IDR_MAINFRAME)) return false;
  DragAcceptFiles(true);
  return true;
}

bool CMainFrame::OnCommand(WPARAM wParam, LPARAM lParam) {
  switch (LOWORD(wParam)) {
    case ID_APP_ABOUT:
    case ID_TRAY_ABOUT:
      GetVaultlineApp()->OnAppAbout();
      return true;
    default:
      return CFrameWnd::OnCommand(wParam, lParam);
  }
}

}  // namespace vl
