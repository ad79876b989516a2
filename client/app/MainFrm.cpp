#include "client/app/MainFrm.h"

#include "client/app/DeviceCheck.h"
#include "client/app/FrameBackupTimers.h"
#include "client/app/LinkedConnections.h"
#include "client/app/MessageFilter.h"
#include "client/app/OsName.h"
#include "client/app/VaultlineApp.h"
#include "client/realtime/RealTimeBackup.h"
#include "core/rules/TargetRule.h"
#include "core/rules/TrayGate.h"
#include "resources/client/resource.h"
#include "win32/framework/MessageBox.h"

namespace vl {

CMainFrame::CMainFrame(BackupDialogMaker makeDialog)
    : m_makeDialog(std::move(makeDialog)),
      m_backupTimers(std::make_unique<FrameBackupTimers>(*this)) {}

CMainFrame::~CMainFrame() = default;

bool CMainFrame::CreateHidden() {
  if (!Create(kCaption, WS_OVERLAPPEDWINDOW, IDR_MAINFRAME)) return false;
  DragAcceptFiles(true);
  return true;
}

bool CMainFrame::IsRunActive() const { return m_pDlgBackup && m_pDlgBackup->IsRunActive(); }

int CMainFrame::OnCreate(CREATESTRUCTW* createStruct) {
  if (CFrameWnd::OnCreate(createStruct) == -1) return -1;
  // Nothing may add a document title to the caption: tests and other programs find the frame
  // by it.
  SetWindowText(kCaption);
  if (!CreateTrayIcon()) return -1;
  m_bPopup = 1;
  if (m_makeDialog) m_pDlgBackup = m_makeDialog(*this);
  AllowDropsFromLowerIntegrity();
  ApplyLinkedConnectionsPolicy(GetOsName());
  SetTimer(kStartupTimer, kStartupDelayMs);
  return 0;
}

bool CMainFrame::CreateTrayIcon() {
  m_trayIcon.SetRunQuery([this] { return IsRunActive(); });
  if (!m_trayIcon.Create(this, kTrayMessage, kTrayTip, IDR_TRAYMENU)) {
    GetVaultlineApp()->DebugTrace(L"[VAULTLINE][Frame] tray icon not added\n");
    return false;
  }
  m_trayIcon.SetIcon(IDR_MAINFRAME);
  return true;
}

void CMainFrame::OnDestroy() {
  CFrameWnd::OnDestroy();
  m_trayIcon.Remove();
  GetVaultlineApp()->DebugTrace(L"[VAULTLINE][Frame] tray icon removed\n");
  if (IsRealTimeRunning()) StopRealTime();
  // Its processing thread asks the dialog whether a run is active, so it ends first.
  m_realTime.reset();
  m_pDlgBackup.reset();
  DisconnectNas();
}

bool CMainFrame::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  switch (message) {
    case kTrayMessage:
      *result = OnTrayCallback(wParam, lParam);
      return true;
    case WM_DEVICECHANGE:
      *result = OnDeviceChange(wParam);
      return true;
    default:
      if (OnRealTimeMessage(message, wParam, lParam)) {
        *result = 0;
        return true;
      }
      return CFrameWnd::OnWndMsg(message, wParam, lParam, result);
  }
}

LRESULT CMainFrame::OnTrayCallback(WPARAM wParam, LPARAM lParam) {
  switch (GateTrayNotification(IsRunActive(), m_bPopup != 0)) {
    case TrayGate::skippedByRun:
      GetVaultlineApp()->DebugTrace(
          L"[VAULTLINE]OnTrayNotification Skipped by m_pDlgBackup->m_hThread\n");
      return 0;
    case TrayGate::skippedByPopup:
      GetVaultlineApp()->DebugTrace(L"[VAULTLINE]OnTrayNotification Skipped by m_bPopup\n");
      return 0;
    case TrayGate::pass:
      break;
  }
  return m_trayIcon.OnTrayNotification(wParam, lParam);
}

LRESULT CMainFrame::OnDeviceChange(WPARAM deviceEvent) {
  if (!IsTargetDeviceEvent(static_cast<uint32_t>(deviceEvent)) || !m_pSettings) return 0;
  const bool reachable = IsTargetReachable(m_pSettings->m_strBackupPath);
  CVaultlineApp* app = GetVaultlineApp();
  ReportTargetState(reachable, app->m_bTargetReady, m_pDlgBackup.get());
  app->DebugTrace(L"[VAULTLINE][Target] %s ready %d\n", m_pSettings->m_strBackupPath.c_str(),
                  app->m_bTargetReady);
  return 0;
}

bool CMainFrame::OnCommand(WPARAM wParam, LPARAM lParam) {
  switch (LOWORD(wParam)) {
    case ID_TRAY_OPEN:
      OnOpen();
      return true;
    case ID_TRAY_EXIT:
      OnExit();
      return true;
    case ID_TRAY_SETTINGS:
      OnSettings();
      return true;
    case ID_TRAY_RESTORE:
      OnRestore();
      return true;
    case ID_APP_ABOUT:
    case ID_TRAY_ABOUT:
      GetVaultlineApp()->OnAppAbout();
      return true;
    default:
      return CFrameWnd::OnCommand(wParam, lParam);
  }
}

void CMainFrame::OnOpen() {
  GetVaultlineApp()->DebugTrace(L"[VAULTLINE][Frame] open\n");
  if (m_pDlgBackup) m_pDlgBackup->ShowBackupDialog();
}

void CMainFrame::OnExit() {
  m_bPopup = 1;
  if (IsRunActive()) {
    AfxMessageBox(IDS_MSG_JOB_IN_PROGRESS, MB_OK | MB_ICONINFORMATION);
  } else if (AfxMessageBox(IDS_ASK_EXIT, MB_YESNO | MB_ICONQUESTION) == IDYES) {
    PostMessage(WM_CLOSE);
  }
  m_bPopup = 0;
}

void CMainFrame::OnSettings() {
  if (m_bPopup) return;
  m_bPopup = 1;
  RunSettingsDialog();
  m_bPopup = 0;
}

void CMainFrame::StopBackupTimers() {
  KillTimer(kIdleTimer);
  KillTimer(kPeriodicTimer);
}

void CMainFrame::OnTimer(UINT_PTR id) {
  if (id == kStartupTimer) RunStartup();
  if (id == kIdleTimer || id == kPeriodicTimer) OnBackupTimer(id);
  if (id == kLostChangesTimer) OnLostChangesTimer();
}

}  // namespace vl
