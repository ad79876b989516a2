// The tray menu's restore command: the restore dialog over the frame, never beside a backup
// run, whose worker writes the very target a restore reads and changes.
#include "client/app/MainFrm.h"
#include "client/app/VaultlineApp.h"
#include "client/model/Settings.h"
#include "client/ui/DlgRestore.h"
#include "resources/client/resource.h"
#include "win32/framework/MessageBox.h"

namespace vl {

void CMainFrame::OnRestore() {
  // Also before the start-up sequence has run, when there are no settings yet.
  if (m_bPopup || !m_pSettings) return;
  m_bPopup = 1;
  CVaultlineApp* app = GetVaultlineApp();
  if (IsRunActive()) {
    AfxMessageBox(IDS_MSG_JOB_IN_PROGRESS, MB_OK | MB_ICONINFORMATION);
  } else {
    app->DebugTrace(L"[VAULTLINE][Frame] restore\n");
    RestoreDialogInput input;
    input.items = &app->m_listSource;
    input.targetFolder = m_pSettings->m_strBackupPath;
    input.backupRunning = [this] { return IsRunActive(); };
    m_restoreOpen = true;
    if (!ShowRestoreDialog(*this, input))
      app->DebugTrace(L"[VAULTLINE][Frame] restore dialog not shown (%lu)\n", ::GetLastError());
    m_restoreOpen = false;
  }
  m_bPopup = 0;
  if (m_automaticRunWaiting) {
    m_automaticRunWaiting = false;
    StartAutomaticBackup();
  }
}

// A run started under a restore would write the very target files the restore is reading and
// keeping copies in. Dropping the request instead would leave the periodic timer off for good:
// it is armed again only when a run ends.
void CMainFrame::StartAutomaticBackup() {
  if (m_restoreOpen) {
    GetVaultlineApp()->DebugTrace(L"[VAULTLINE][Frame] automatic backup waits for the restore\n");
    m_automaticRunWaiting = true;
    return;
  }
  if (m_pDlgBackup) m_pDlgBackup->StartAutomaticBackup();
}

}  // namespace vl
