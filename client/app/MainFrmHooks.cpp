// The frame's entry points into features that arrive with later work: the NAS connection
// and the settings dialog.
// Until they exist each entry point is inert and says so in the debug trace, so that a test can
// see the frame reach it.
#include "client/app/MainFrm.h"
#include "client/app/VaultlineApp.h"

namespace vl {
namespace {

void TraceHook(const wchar_t* name) {
  GetVaultlineApp()->DebugTrace(L"[VAULTLINE][Frame] hook %s\n", name);
}

}  // namespace

void CMainFrame::ConnectNas() { TraceHook(L"NAS connect"); }

void CMainFrame::RunSettingsDialog() { TraceHook(L"settings dialog"); }

void CMainFrame::DisconnectNas() {
  if (!m_strNetDrive.empty()) TraceHook(L"NAS disconnect");
}

}  // namespace vl
