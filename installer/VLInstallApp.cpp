#include "installer/VLInstallApp.h"

#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

#include "installer/VLInstallDlg.h"

namespace vl::installer {

bool CVLInstallApp::InitInstance() {
  INITCOMMONCONTROLSEX controls{sizeof(controls), 0xFF};
  ::InitCommonControlsEx(&controls);
  // The folder browser's new style needs OLE on this thread; without it the browser still
  // opens, in its old style.
  m_bOleInitialized = SUCCEEDED(::OleInitialize(nullptr));
  CVLInstallDlg dialog;
  m_pMainWnd = &dialog;
  m_bInstalled = dialog.DoModal() == IDOK;
  m_pMainWnd = nullptr;
  return false;
}

int CVLInstallApp::ExitInstance() {
  if (m_bOleInitialized) ::OleUninitialize();
  return m_bInstalled ? kInstalledExitCode : kNotInstalledExitCode;
}

}  // namespace vl::installer
