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
    if (!ShowRestoreDialog(*this, input))
      app->DebugTrace(L"[VAULTLINE][Frame] restore dialog not shown (%lu)\n", ::GetLastError());
  }
  m_bPopup = 0;
}

}  // namespace vl
