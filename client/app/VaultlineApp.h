#pragma once
// The client's application object: single instance, folders, the backup set and the hidden
// main frame. One global instance lives in Vaultline.cpp.
#include <cstdint>
#include <memory>

#include "client/model/SourceList.h"
#include "client/model/VaultlineDoc.h"
#include "client/platform/SetFileStoreWin32.h"
#include "client/ui/IBackupDialog.h"
#include "win32/framework/WinApp.h"
#include "win32/handles/MutexHandle.h"

namespace vl {

class CMainFrame;

class CVaultlineApp : public CWinAppBase {
 public:
  // The name of the single-instance mutex and the title of the client's message boxes.
  static constexpr const wchar_t* kAppName = L"Vaultline";
  // Setting this environment variable to "1" switches the debug trace on; the trace goes to
  // the debugger output only (OutputDebugStringW), so a debugger or a viewer such as the test
  // harness is needed to see it.
  static constexpr const wchar_t* kDebugTraceVariable = L"VAULTLINE_DEBUGTRACE";

  // makeDialog makes the frame's backup dialog (the client's own, or a test's stand-in).
  explicit CVaultlineApp(BackupDialogMaker makeDialog);
  ~CVaultlineApp() override;

  bool InitInstance() override;
  int ExitInstance() override;

  void InitFolders();
  // printf-style (wide, %s takes a wide string); does nothing unless m_bDebugTrace is set.
  void DebugTrace(const wchar_t* format, ...);
  // A new GUID as 32 hexadecimal digits.
  String MakeGuidString();
  // Shows the About box.
  void OnAppAbout();
  // Saves the set after a change; shows the failure and returns false when it could not.
  bool SaveBackupSet();

  CVaultlineDoc* GetDocument() { return m_pDocument.get(); }
  String GetConfigFolder() const;

  win32::MutexHandle m_hMutex;
  CSourceList m_listSource;
  String m_strModulePath;
  String m_strProgramFolder;
  String m_strDataFolder;
  String m_strBackupFolder;
  int32_t m_bDebugTrace = 0;
  int32_t m_bTargetReady = 0;

 private:
  bool AcquireSingleInstance();
  bool InitOle();
  void RegisterShellFileTypes();
  bool OpenOrCreateDocument(const String& setFile);
  bool OpenDocument(const String& setFile);
  bool CreateMainFrame();

  BackupDialogMaker m_makeDialog;
  bool m_bOwnsMutex = false;
  bool m_bOleInitialized = false;
  platform::SetFileStoreWin32 m_setFileStore;
  std::unique_ptr<CVaultlineDoc> m_pDocument;
  std::unique_ptr<CMainFrame> m_pMainFrame;
};

// The running client's application object.
CVaultlineApp* GetVaultlineApp();

}  // namespace vl
