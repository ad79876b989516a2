#pragma once
// CVLInstallApp: the installer's application object. It shows the installer's one dialog and
// ends when the dialog closes; there are no command-line options, and any number of copies may
// run (a second one stops at the running check only when the client runs).
#include "win32/framework/WinApp.h"

namespace vl::installer {

class CVLInstallApp : public CWinAppBase {
 public:
  // The caption of every message box of the installer.
  static constexpr const wchar_t* kAppName = L"Vaultline Install";
  // Exit codes: installed (the completion question was answered), or not.
  static constexpr int kInstalledExitCode = 0;
  static constexpr int kNotInstalledExitCode = 1;

  CVLInstallApp() : CWinAppBase(kAppName) {}

  // Runs the dialog and returns false, so that no message loop follows.
  bool InitInstance() override;
  int ExitInstance() override;

 private:
  bool m_bOleInitialized = false;
  bool m_bInstalled = false;
};

}  // namespace vl::installer
