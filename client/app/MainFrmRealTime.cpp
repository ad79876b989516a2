// Real-time backup in the frame: starting and stopping it, and handing its messages over. The
// frame owns it from the first start to the window's end.
#include <memory>

#include "client/app/MainFrm.h"
#include "client/app/VaultlineApp.h"
#include "client/realtime/RealTimeBackup.h"
#include "client/realtime/RealTimeMessages.h"

namespace vl {
namespace {

constexpr UINT kLostChangesCheckMs = 500;

// Some of the lines come with their line end already.
void TraceLine(const String& line) {
  const bool ended = !line.empty() && line.back() == L'\n';
  GetVaultlineApp()->DebugTrace(ended ? L"%s" : L"%s\n", line.c_str());
}

}  // namespace

void CMainFrame::StartRealTime() {
  CVaultlineApp* app = GetVaultlineApp();
  CVaultlineDoc* document = app->GetDocument();
  if (!document || !m_hWnd) return;
  if (!m_realTime) {
    m_realTime = std::make_unique<CRealTimeBackup>(TraceLine, [this] { return IsRunActive(); });
  }
  m_realTime->Start(m_hWnd, app->m_listSource, document->m_settings);
  app->DebugTrace(L"[VAULTLINE][Frame] real-time started\n");
}

void CMainFrame::StopRealTime() {
  if (!m_realTime) return;
  m_realTime->Stop();
  GetVaultlineApp()->DebugTrace(L"[VAULTLINE][Frame] real-time stopped\n");
}

bool CMainFrame::IsRealTimeRunning() const { return m_realTime && m_realTime->IsProcessing(); }

bool CMainFrame::OnRealTimeMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_DIRECTORY_CHANGE:
      OnDirectoryChange(wParam, lParam);
      return true;
    case WM_CHANGE_EVENT:
      OnChangeEvent(lParam);
      return true;
    case WM_CHANGES_LOST:
      OnChangesLost();
      return true;
    default:
      return false;
  }
}

// The sender's copy of the path is ours to free whatever becomes of the change.
void CMainFrame::OnDirectoryChange(WPARAM action, LPARAM path) {
  std::unique_ptr<wchar_t[]> owned(reinterpret_cast<wchar_t*>(path));
  if (!owned || !m_realTime) return;
  CVaultlineApp* app = GetVaultlineApp();
  std::unique_ptr<CHANGE_EVENT> event =
      m_realTime->OnDirectoryChange(app->m_listSource, static_cast<uint32_t>(action), owned.get());
  if (!event) return;
  // The items may have changed since the last start; the pass that applies this change works
  // with them as they are now.
  if (app->GetDocument()) m_realTime->UpdateScope(app->m_listSource, app->GetDocument()->m_settings);
  if (PostMessage(WM_CHANGE_EVENT, 0, reinterpret_cast<LPARAM>(event.get()))) event.release();
}

void CMainFrame::OnChangeEvent(LPARAM event) {
  std::unique_ptr<CHANGE_EVENT> owned(reinterpret_cast<CHANGE_EVENT*>(event));
  if (owned && m_realTime) m_realTime->OnChangeEvent(*owned, GetVaultlineApp()->m_strBackupFolder);
}

void CMainFrame::OnChangesLost() {
  if (!m_realTime) return;
  m_realTime->OnChangesLost();
  SetTimer(kLostChangesTimer, kLostChangesCheckMs);
}

// The run waits until no other run is going: one that is may already have passed the files
// whose changes were lost.
void CMainFrame::OnLostChangesTimer() {
  if (!m_realTime || !m_realTime->RescanPending()) {
    KillTimer(kLostChangesTimer);
    return;
  }
  if (!m_realTime->TakeRescanDue(!IsRunActive())) return;
  KillTimer(kLostChangesTimer);
  GetVaultlineApp()->DebugTrace(L"[VAULTLINE][Frame] automatic backup for lost changes\n");
  StartAutomaticBackup();
}

}  // namespace vl
