// The frame's NAS connection: the share mapped at start-up when the set asks for it and when
// the settings are applied, the NAS dialog for the settings dialog, and the mapping the client
// made undone when the frame goes away. The frame holds the mapping's state; every form of the
// connection works on it.
#include "client/app/MainFrm.h"
#include "client/app/VaultlineApp.h"
#include "client/model/Settings.h"
#include "client/platform/NetworkWin32.h"
#include "client/ui/DlgNAS.h"
#include "client/ui/logic/NasConnection.h"
#include "client/ui/logic/NasDialogLogic.h"

namespace vl {

void CMainFrame::ConnectNas() {
  if (!m_pSettings) return;
  NetworkWin32 net;
  NasMessageBoxes boxes(m_hWnd);
  NasConnection connection(net, boxes, NasLink{m_strNetDrive, m_dwNetAddress});
  const bool connected = connection.ConnectIfIdle(StoredNasEntry(*m_pSettings));
  GetVaultlineApp()->DebugTrace(L"[VAULTLINE][Frame] NAS connect %d drive %s\n",
                                connected ? 1 : 0, m_strNetDrive.c_str());
}

INT_PTR CMainFrame::RunNasDialog(CWnd* parent) {
  if (!m_pSettings) return IDCANCEL;
  NetworkWin32 net;
  NasDialogInput input;
  input.settings = m_pSettings;
  input.drive = &m_strNetDrive;
  input.address = &m_dwNetAddress;
  input.net = &net;
  input.saveSet = [] { return GetVaultlineApp()->SaveBackupSet(); };
  CDlgNAS dialog(parent ? parent : this, input);
  // A dialog that could not be made (-1) stored nothing either.
  const INT_PTR result = dialog.DoModal() == IDOK ? IDOK : IDCANCEL;
  GetVaultlineApp()->DebugTrace(L"[VAULTLINE][Frame] NAS dialog %d\n", static_cast<int>(result));
  return result;
}

void CMainFrame::DisconnectNas() {
  if (m_strNetDrive.empty()) return;
  NetworkWin32 net;
  NasMessageBoxes boxes(m_hWnd);
  NasConnection(net, boxes, NasLink{m_strNetDrive, m_dwNetAddress}).Disconnect(m_dwNetAddress);
  GetVaultlineApp()->DebugTrace(L"[VAULTLINE][Frame] NAS disconnect, drive %s\n",
                                m_strNetDrive.c_str());
}

}  // namespace vl
