// The settings dialog from the tray menu, and what the frame does with its answer.
// Until the dialog exists the entry point is inert and says so in the debug trace, so that a
// test can see the frame reach it.
#include "client/app/MainFrm.h"
#include "client/app/VaultlineApp.h"

namespace vl {

void CMainFrame::RunSettingsDialog() {
  GetVaultlineApp()->DebugTrace(L"[VAULTLINE][Frame] hook %s\n", L"settings dialog");
}

}  // namespace vl
