#include "client/app/VaultlineApp.h"

#include <commctrl.h>
#include <ole2.h>

#include <cstdarg>

#include "client/app/AboutDlg.h"
#include "client/app/CommandLine.h"
#include "client/app/MainFrm.h"
#include "client/app/ShellRegistration.h"
#include "client/model/BackupSetFile.h"
#include "client/model/StartupRules.h"
#include "client/platform/CodePage.h"
#include "client/platform/DataFolder.h"
#include "client/platform/SetFileLookup.h"
#include "resources/client/resource.h"
#include "win32/Guid.h"
#include "win32/ResString.h"
#include "win32/Trace.h"
#include "win32/framework/MessageBox.h"

namespace vl {
namespace {

bool IsDebugTraceRequested() {
  wchar_t value[4] = {};
  const DWORD length = ::GetEnvironmentVariableW(CVaultlineApp::kDebugTraceVariable, value, 4);
  return length == 1 && value[0] == L'1';
}

// Folder creation never stops the start-up: an existing folder is what we want, and a
// missing one shows up later where it is used.
void CreateFolderIgnoringFailure(const String& path) { ::CreateDirectoryW(path.c_str(), nullptr); }

String FullPathOf(const String& path) {
  wchar_t buffer[MAX_PATH] = {};
  const DWORD length = ::GetFullPathNameW(path.c_str(), MAX_PATH, buffer, nullptr);
  return length > 0 && length < MAX_PATH ? String(buffer) : path;
}

}  // namespace

CVaultlineApp::CVaultlineApp(BackupDialogMaker makeDialog)
    : CWinAppBase(kAppName), m_makeDialog(std::move(makeDialog)) {}

CVaultlineApp::~CVaultlineApp() = default;

CVaultlineApp* GetVaultlineApp() { return static_cast<CVaultlineApp*>(AfxGetApp()); }

bool CVaultlineApp::InitInstance() {
  // Probing drive letters for backup items must never stop on a "no disk" box.
  ::SetErrorMode(::GetErrorMode() | SEM_FAILCRITICALERRORS);
  m_bDebugTrace = IsDebugTraceRequested() ? 1 : 0;
  if (!AcquireSingleInstance()) return false;
  INITCOMMONCONTROLSEX controls{sizeof(controls), 0xFF};
  ::InitCommonControlsEx(&controls);
  if (!InitOle()) return false;
  InitFolders();
  DebugTrace(L"[VAULTLINE][Startup] data folder: %s\n", m_strDataFolder.c_str());
  RegisterShellFileTypes();
  const StartupCommand command = ParseStartupCommand(GetArgs());
  if (!OpenOrCreateDocument(ChooseSetFile(FindFirstSetFile(GetConfigFolder()), command.setFile)))
    return false;
  return CreateMainFrame();
}

bool CVaultlineApp::AcquireSingleInstance() {
  const DWORD status = m_hMutex.Create(kAppName, true);
  if (status == ERROR_ALREADY_EXISTS) {
    DebugTrace(L"[VAULTLINE][Startup] another instance is running; ending\n");
    return false;
  }
  // Without a mutex at all the client still runs; it just cannot guard against a second one.
  m_bOwnsMutex = status == ERROR_SUCCESS;
  return true;
}

bool CVaultlineApp::InitOle() {
  m_bOleInitialized = SUCCEEDED(::OleInitialize(nullptr));
  if (!m_bOleInitialized) AfxMessageBox(IDP_OLE_INIT_FAILED, MB_OK | MB_ICONSTOP);
  return m_bOleInitialized;
}

void CVaultlineApp::InitFolders() {
  DataFolderLocation location;
  if (!LocateDataFolder(location)) return;
  m_strModulePath = location.modulePath;
  m_strProgramFolder = location.programFolder;
  m_strDataFolder = location.dataFolder;
  if (m_strDataFolder != m_strProgramFolder) CreateFolderIgnoringFailure(m_strDataFolder);
  CreateFolderIgnoringFailure(GetConfigFolder());
  CreateFolderIgnoringFailure(JoinPath(m_strDataFolder, L"Temp"));
  m_strBackupFolder = JoinPath(m_strDataFolder, L"Backup");
  CreateFolderIgnoringFailure(m_strBackupFolder);
}

String CVaultlineApp::GetConfigFolder() const { return JoinPath(m_strDataFolder, L"Config"); }

void CVaultlineApp::RegisterShellFileTypes() {
  const ShellFileType type = FileTypeFromDocString(LoadResString(IDR_MAINFRAME));
  const LONG status =
      RegisterShellFileType(HKEY_CURRENT_USER, L"Software\\Classes", type, m_strModulePath);
  if (status != ERROR_SUCCESS)
    DebugTrace(L"[VAULTLINE][Startup] file type not registered (%ld)\n", status);
}

bool CVaultlineApp::OpenOrCreateDocument(const String& setFile) {
  m_pDocument = std::make_unique<CVaultlineDoc>(m_listSource);
  if (!setFile.empty()) return OpenDocument(FullPathOf(setFile));
  m_pDocument->OnNewDocument(m_strDataFolder);
  DebugTrace(L"[VAULTLINE][Startup] new set\n");
  return true;
}

bool CVaultlineApp::OpenDocument(const String& setFile) {
  String message;
  if (!LoadBackupSet(m_setFileStore, setFile, *m_pDocument, message, platform::MakeAnsiDecoder())) {
    DebugTrace(L"[VAULTLINE][Startup] set file not readable: %s\n", setFile.c_str());
    AfxMessageBox(message, MB_OK | MB_ICONEXCLAMATION);
    return false;
  }
  DebugTrace(L"[VAULTLINE][Startup] set file opened: %s\n", setFile.c_str());
  return true;
}

bool CVaultlineApp::CreateMainFrame() {
  m_pMainFrame = std::make_unique<CMainFrame>(m_makeDialog);
  if (!m_pMainFrame->CreateHidden()) {
    DebugTrace(L"[VAULTLINE][Startup] main frame not created (%lu)\n", ::GetLastError());
    return false;
  }
  m_pMainWnd = m_pMainFrame.get();
  DebugTrace(L"[VAULTLINE][Startup] main frame created\n");
  return true;
}

int CVaultlineApp::ExitInstance() {
  if (m_bOwnsMutex) m_hMutex.Release();
  m_hMutex.Close();
  m_pMainFrame.reset();
  m_pDocument.reset();
  m_listSource.RemoveAll();
  if (m_bOleInitialized) ::OleUninitialize();
  m_bOleInitialized = false;
  return CWinAppBase::ExitInstance();
}

void CVaultlineApp::DebugTrace(const wchar_t* format, ...) {
  if (!m_bDebugTrace) return;
  va_list args;
  va_start(args, format);
  OutputTraceV(format, args);
  va_end(args);
}

String CVaultlineApp::MakeGuidString() { return win32::MakeGuidText(); }

void CVaultlineApp::OnAppAbout() {
  CAboutDlg about(m_pMainWnd);
  about.DoModal();
}

bool CVaultlineApp::SaveBackupSet() {
  if (!m_pDocument) return false;
  String message;
  const SaveOutcome outcome =
      vl::SaveBackupSet(*m_pDocument, m_setFileStore, m_strDataFolder, message);
  if (outcome != SaveOutcome::Failed) return true;
  AfxMessageBox(message, MB_OK | MB_ICONEXCLAMATION);
  return false;
}

}  // namespace vl
