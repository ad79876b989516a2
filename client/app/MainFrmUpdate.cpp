// "/check": the client hands over to the updater and ends; the updater starts it again when it
// is done. The updater runs from a copy in the data folder's Temp, so that it can replace the
// installed VLUpdate.exe along with everything else.
#include "client/app/MainFrm.h"

#include <shellapi.h>

#include "client/app/OsName.h"
#include "client/app/VaultlineApp.h"
#include "client/model/PathJoin.h"
#include "core/rules/UpdateParameters.h"
#include "win32/VersionInfo.h"

namespace vl {
namespace {

constexpr const wchar_t* kUpdaterName = L"VLUpdate.exe";

// The installed updater copied over the temporary one; false when there is none to start.
bool CopyUpdater(const String& installed, const String& tempFolder, const String& copy) {
  // An old copy that cannot be replaced must never be started in its place.
  ::DeleteFileW(copy.c_str());
  if (::GetFileAttributesW(installed.c_str()) == INVALID_FILE_ATTRIBUTES) return false;
  // A first start may come before anything made the folder.
  ::CreateDirectoryW(tempFolder.c_str(), nullptr);
  return ::CopyFileW(installed.c_str(), copy.c_str(), FALSE) != FALSE;
}

}  // namespace

bool CMainFrame::LaunchUpdate() {
  CVaultlineApp* app = GetVaultlineApp();
  const String tempFolder = model::JoinPath(app->m_strDataFolder, L"Temp");
  const String copy = model::JoinPath(tempFolder, kUpdaterName);
  if (!CopyUpdater(model::JoinPath(app->m_strProgramFolder, kUpdaterName), tempFolder, copy)) {
    app->DebugTrace(L"[VAULTLINE][Update] no updater to start (%lu)\n", ::GetLastError());
    return false;
  }
  UpdateParameterValues values{app->m_strProgramFolder,
                               win32::ReadProductVersion(app->m_strModulePath), GetOsName(),
                               m_pSettings ? m_pSettings->UpdateIdentifier() : String()};
  const String parameters = BuildUpdateParameters(values);
  app->DebugTrace(L"[VAULTLINE][Update] %s%s\n", copy.c_str(), parameters.c_str());
  ::ShellExecuteW(nullptr, L"open", copy.c_str(), parameters.c_str(), nullptr, SW_SHOWNORMAL);
  PostMessage(WM_CLOSE);
  return true;
}

}  // namespace vl
