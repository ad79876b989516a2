#pragma once
// CVLUpdateApp: the updater's application object. The client starts it with four arguments
// (its install folder, its version, the operating system's name and an identifier); it runs the
// update dialog and afterwards starts the client again, whatever became of the update.
#include "core/base/String.h"
#include "updater/logic/UpdatePaths.h"
#include "win32/framework/WinApp.h"
#include "win32/handles/MutexHandle.h"

namespace vl::updater {

class CVLUpdateApp : public CWinAppBase {
 public:
  static constexpr const wchar_t* kAppName = L"Vaultline Update";
  static constexpr const wchar_t* kMutexName = L"Vaultline Updater";
  static constexpr const wchar_t* kClientFileName = L"Vaultline.exe";

  CVLUpdateApp() : CWinAppBase(kAppName) {}

  // Runs the whole update and returns false, so that no message loop follows.
  bool InitInstance() override;
  // 0 once the dialog has run; 1 for a start refused early (a second copy, no arguments, no
  // install folder).
  int ExitInstance() override;

 private:
  bool AcquireSingleInstance();
  void ReadArguments();
  UpdateFolders MakeFolders() const;
  void RunDialog();
  void StartClient() const;

  win32::MutexHandle m_hMutex;
  String m_strPath;
  String m_strFver;
  String m_strOsver;
  String m_strSn;
  bool m_bDialogRan = false;
};

}  // namespace vl::updater
