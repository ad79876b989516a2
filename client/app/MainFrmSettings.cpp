// The settings dialog from the tray menu, and what the frame does with its answer: the steps
// and their order are the portable ApplySettings; this file gives them the frame's hands.
#include "client/app/Autostart.h"
#include "client/app/MainFrm.h"
#include "client/app/VaultlineApp.h"
#include "client/model/Settings.h"
#include "client/ui/DlgOptionSync.h"
#include "client/ui/logic/SettingsApply.h"
#include "resources/client/resource.h"
#include "win32/framework/MessageBox.h"

namespace vl {
namespace {

class FrameSettingsHost : public ISettingsApplyHost {
 public:
  explicit FrameSettingsHost(CMainFrame& frame) : m_frame(frame), m_app(*GetVaultlineApp()) {}

  void StartRealTime() override { m_frame.StartRealTime(); }
  void StopRealTime() override { m_frame.StopRealTime(); }
  void ConnectNas() override { m_frame.ConnectNas(); }
  void DisconnectNas() override { m_frame.DisconnectNas(); }
  void WriteAutostart(bool on) override {
    const LONG status = SetAutostart(on, m_app.m_strModulePath);
    if (status != ERROR_SUCCESS && on)
      m_app.DebugTrace(L"[VAULTLINE][Frame] autostart not written (%ld)\n", status);
  }
  void SaveSet() override { m_app.SaveBackupSet(); }
  void ArmBackupTimers() override { m_frame.ArmBackupTimers(); }
  bool HasItems() const override { return m_app.m_listSource.GetCount() > 0; }
  bool AskBackupNow() override {
    return AfxMessageBox(IDS_ASK_REALTIME_BACKUP_NOW, MB_YESNO | MB_ICONQUESTION) == IDYES;
  }
  void StartAutomaticRun(bool synchronize) override {
    if (!m_frame.m_pDlgBackup) return;
    if (synchronize)
      m_frame.m_pDlgBackup->StartSynchronizingBackup();
    else
      m_frame.m_pDlgBackup->StartAutomaticBackup();
  }

 private:
  CMainFrame& m_frame;
  CVaultlineApp& m_app;
};

}  // namespace

void CMainFrame::RunSettingsDialog() {
  // Before the start-up sequence there is no set to show.
  if (!m_pSettings) return;
  CVaultlineApp* app = GetVaultlineApp();
  SettingsChoice choice =
      ChoiceFromSettings(*m_pSettings, IsAutostartOn(app->m_strModulePath));
  SettingsDialogInput input;
  input.openNasDialog = [this](CWnd& parent) { return RunNasDialog(&parent); };
  input.nasConfigured = [this] {
    return m_pSettings->m_dwNasAddress != 0 && !m_pSettings->m_strNasShare.empty();
  };
  app->DebugTrace(L"[VAULTLINE][Frame] settings dialog\n");
  if (!ShowSettingsDialog(*this, choice, input)) return;
  FrameSettingsHost host(*this);
  ApplySettings(choice, *m_pSettings, host);
  app->DebugTrace(L"[VAULTLINE][Frame] settings applied\n");
}

}  // namespace vl
