// The frame's NAS connection: the share mapped at start-up when the set asks for it, and the
// mapping the client made undone when the frame goes away.
// Until the connection exists each entry point is inert and says so in the debug trace, so that
// a test can see the frame reach it.
#include "client/app/MainFrm.h"
#include "client/app/VaultlineApp.h"

namespace vl {

void CMainFrame::ConnectNas() {
  GetVaultlineApp()->DebugTrace(L"[VAULTLINE][Frame] hook %s\n", L"NAS connect");
}

void CMainFrame::DisconnectNas() {
  if (!m_strNetDrive.empty())
    GetVaultlineApp()->DebugTrace(L"[VAULTLINE][Frame] hook %s\n", L"NAS disconnect");
}

}  // namespace vl
