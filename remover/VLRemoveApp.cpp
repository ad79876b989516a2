#include "remover/VLRemoveApp.h"

#include "remover/InstallKey.h"
#include "remover/KnownFoldersWin32.h"
#include "remover/ProcessSnapshot.h"
#include "remover/RemovalFileSystemWin32.h"
#include "remover/logic/LeftoverText.h"
#include "remover/logic/RemovalPlan.h"
#include "remover/logic/RunningRule.h"
#include "resources/remover/resource.h"
#include "win32/ResString.h"
#include "win32/framework/MessageBox.h"

namespace vl::remover {

bool CVLRemoveApp::InitInstance() {
  LoadTitle();
  if (ClientOrUpdaterRuns()) {
    AfxMessageBox(IDS_CLIENT_RUNNING, MB_OK | MB_ICONEXCLAMATION);
    return false;
  }
  if (!UserAgrees()) return false;
  RemoveFiles(TakeInstallRoot());
  m_bRemoved = true;
  Report();
  return false;
}

int CVLRemoveApp::ExitInstance() {
  if (!m_bRemoved) return kInitFailedExitCode;
  return m_left.empty() ? 0 : kLeftSomethingExitCode;
}

void CVLRemoveApp::LoadTitle() {
  m_strTitle = LoadResString(IDS_REMOVER_TITLE);
  m_pszAppName = m_strTitle.c_str();
}

bool CVLRemoveApp::ClientOrUpdaterRuns() {
  // A snapshot that cannot be taken or walked whole counts what it did see: the rest may
  // well not run.
  std::vector<String> running;
  ListRunningExecutables(running);
  return AnyClientOrUpdater(running);
}

bool CVLRemoveApp::UserAgrees() {
  // A box that cannot be shown is no Yes.
  return AfxMessageBox(IDS_ASK_REMOVE, MB_YESNO | MB_ICONQUESTION) == IDYES;
}

String CVLRemoveApp::TakeInstallRoot() {
  String root;
  ReadInstallRoot(root);
  if (DeleteInstallKey() != ERROR_SUCCESS) m_left.emplace_back(kInstallKeyName);
  return root;
}

void CVLRemoveApp::RemoveFiles(const String& installRoot) {
  RemovalFileSystemWin32 fs;
  const RemovalPlan plan = PlanRemoval(installRoot, GatherKnownFolders(), fs);
  const std::vector<String> left = CarryOut(plan, fs);
  m_left.insert(m_left.end(), left.begin(), left.end());
}

void CVLRemoveApp::Report() const {
  if (m_left.empty()) {
    AfxMessageBox(IDS_REMOVED, MB_OK | MB_ICONINFORMATION);
    return;
  }
  AfxMessageBox(LeftoverText(LoadResString(IDS_NOT_ALL_REMOVED), m_left), MB_OK | MB_ICONWARNING);
}

}  // namespace vl::remover
