// The start-up sequence of the main frame: the order lives in core/rules/StartupSequence, the
// steps here.
#include "client/app/MainFrm.h"
#include "client/app/VaultlineApp.h"
#include "resources/client/resource.h"

namespace vl {

void CMainFrame::RunStartup() {
  CVaultlineApp* app = GetVaultlineApp();
  CVaultlineDoc* document = app->GetDocument();
  m_pSettings = document ? &document->m_settings : nullptr;
  StartupFacts facts = MakeStartupFacts(app->GetArgs(), String(), false, 0);
  if (m_pSettings)
    facts = MakeStartupFacts(app->GetArgs(), m_pSettings->m_strAutoConnect,
                             m_pSettings->m_bAutoBackup != 0, m_pSettings->m_nBackupMode);
  RunStartupSequence(facts, *this);
  app->DebugTrace(L"[VAULTLINE][Frame] start-up done\n");
}

void CMainFrame::StopStartupTimer() { KillTimer(kStartupTimer); }

void CMainFrame::ShowBackupDialog() {
  // The pause lets the shell settle its new tray icon before the dialog appears beside it.
  ::Sleep(kStartupDelayMs);
  PostMessage(WM_COMMAND, ID_TRAY_OPEN);
}

void CMainFrame::ClearPopup() { m_bPopup = 0; }

}  // namespace vl
