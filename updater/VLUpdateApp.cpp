#include "updater/VLUpdateApp.h"

#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include "updater/ServiceUrl.h"
#include "updater/UpdateTrace.h"
#include "updater/VLUpdateDlg.h"
#include "updater/logic/UpdateUrls.h"

namespace vl::updater {
namespace {

bool IsFolder(const String& path) {
  const DWORD attributes = ::GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The folder this program was started from: its module's path cut at the last backslash.
String OwnFolder() {
  wchar_t path[MAX_PATH] = {};
  const DWORD length = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
  const String module(path, length < MAX_PATH ? length : 0);
  const size_t slash = module.find_last_of(L'\\');
  return slash == String::npos ? String() : module.substr(0, slash);
}

String WindowsFolder() {
  wchar_t path[MAX_PATH] = {};
  const UINT length = ::GetWindowsDirectoryW(path, MAX_PATH);
  return String(path, length < MAX_PATH ? length : 0);
}

}  // namespace

bool CVLUpdateApp::InitInstance() {
  if (!AcquireSingleInstance()) return false;
  if (GetArgs().empty()) return false;
  ReadArguments();
  UpdateTrace(L"Args path=%s, fver=%s, osver=%s, sn=%s\n", m_strPath.c_str(), m_strFver.c_str(),
              m_strOsver.c_str(), m_strSn.c_str());
  if (!IsFolder(m_strPath)) return false;
  INITCOMMONCONTROLSEX controls{sizeof(controls), 0xFFFF};
  ::InitCommonControlsEx(&controls);
  RunDialog();
  StartClient();
  return false;
}

bool CVLUpdateApp::AcquireSingleInstance() {
  const DWORD status = m_hMutex.Create(kMutexName, false);
  if (status == ERROR_ALREADY_EXISTS) {
    UpdateTrace(L"[VAULTLINE][Update] another updater is running; ending\n");
    return false;
  }
  // Without a mutex at all the update still runs; it just cannot guard against a second one.
  return true;
}

void CVLUpdateApp::ReadArguments() {
  const std::vector<String>& args = GetArgs();
  String* const fields[] = {&m_strPath, &m_strFver, &m_strOsver, &m_strSn};
  for (size_t i = 0; i < args.size() && i < 4; ++i) *fields[i] = args[i];
}

UpdateFolders CVLUpdateApp::MakeFolders() const {
  return UpdateFolders{m_strPath, WindowsFolder(), JoinPath(OwnFolder(), L"Temp")};
}

void CVLUpdateApp::RunDialog() {
  const CheckRequest request{MakeCheckUrl(UpdateServiceUrl(), m_strFver, m_strOsver, m_strSn),
                             MakeFolders()};
  CVLUpdateDlg dialog(request);
  m_pMainWnd = &dialog;
  if (dialog.DoModal() == -1)
    UpdateTrace(L"[VAULTLINE][Update] dialog not made (%lu)\n", ::GetLastError());
  m_pMainWnd = nullptr;
  m_bDialogRan = true;
}

void CVLUpdateApp::StartClient() const {
  const String client = JoinPath(m_strPath, kClientFileName);
  const auto result = reinterpret_cast<INT_PTR>(
      ::ShellExecuteW(nullptr, L"Open", client.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
  // ShellExecute reports success with a value above 32.
  if (result <= 32)
    UpdateTrace(L"[VAULTLINE][Update] client not started (%d)\n", static_cast<int>(result));
}

int CVLUpdateApp::ExitInstance() {
  m_hMutex.Close();
  return m_bDialogRan ? 0 : kInitFailedExitCode;
}

}  // namespace vl::updater
