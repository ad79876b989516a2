#pragma once
// The client's main frame: never shown. It owns the notification-area icon and the backup
// dialog, runs the one-shot start-up sequence, answers the tray menu's commands, re-checks the
// backup target when devices come and go, and ends the program when it is closed.
#include <cstdint>
#include <memory>

#include "client/app/TrayIcon.h"
#include "client/ui/IBackupDialog.h"
#include "core/rules/StartupSequence.h"
#include "win32/framework/FrameWnd.h"

namespace vl {

class CRealTimeBackup;
class CSettings;
class FrameBackupTimers;

class CMainFrame : public CFrameWnd, private IStartupSteps {
 public:
  static constexpr const wchar_t* kCaption = L"Vaultline MainFrame";
  static constexpr const wchar_t* kTrayTip = L"Vaultline";
  // Messages and timers of the frame; its resources are named in resources/client/resource.h.
  static constexpr UINT kTrayMessage = WM_USER + 1001;  // 2025
  static constexpr UINT_PTR kStartupTimer = 1;
  static constexpr UINT_PTR kIdleTimer = 3;      // automatic backup after idle time
  static constexpr UINT_PTR kPeriodicTimer = 4;  // automatic backup every few hours
  static constexpr UINT_PTR kLostChangesTimer = 5;  // a run for changes the watchers lost
  static constexpr UINT kStartupDelayMs = 500;

  explicit CMainFrame(BackupDialogMaker makeDialog);
  ~CMainFrame() override;

  // Creates the frame invisible, accepting files dropped from the shell. False when the window
  // or the tray icon could not be made; the client does not start then.
  bool CreateHidden();

  // True while the backup dialog reports a running backup.
  bool IsRunActive() const;

  // The automatic-backup timers and real-time backup, which a backup run stops while it runs
  // and restarts when it ends.
  void ArmBackupTimers() override;
  void StopBackupTimers();
  void StartRealTime() override;
  void StopRealTime();
  bool IsRealTimeRunning() const;

  CTrayIcon m_trayIcon;
  // 1 while the frame shows a box or dialog of its own, and until the start-up sequence ran.
  int32_t m_bPopup = 0;

  // An automatic backup run (timers, lost real-time changes); one asked for while the restore
  // dialog is open waits until it closes.
  void StartAutomaticBackup();
  // The active set's settings; null until the start-up timer fired.
  CSettings* m_pSettings = nullptr;
  uint32_t m_dwMinutes = 0;
  // The drive letter and NAS address of the share mapping the client made; empty and 0 while
  // there is none.
  String m_strNetDrive;
  uint32_t m_dwNetAddress = 0;
  std::unique_ptr<IBackupDialog> m_pDlgBackup;

  // The NAS dialog with parent as its owner (MainFrmNas.cpp); IDOK when it stored the NAS
  // settings and saved the set, IDCANCEL otherwise.
  INT_PTR RunNasDialog(CWnd* parent);
  // Maps the set's NAS share to a free drive letter unless the client has one mapped already;
  // a failure is told to the user. Run at start-up and when the settings are applied.
  void ConnectNas() override;
  // Undoes the mapping the client made, if any; a failure is told to the user and the mapping
  // stays. Run when the settings are applied and when the frame goes away.
  void DisconnectNas();

 protected:
  int OnCreate(CREATESTRUCTW* createStruct) override;
  void OnDestroy() override;
  bool OnCommand(WPARAM wParam, LPARAM lParam) override;
  void OnTimer(UINT_PTR id) override;
  bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

 private:
  bool CreateTrayIcon();
  LRESULT OnTrayCallback(WPARAM wParam, LPARAM lParam);
  LRESULT OnDeviceChange(WPARAM deviceEvent);
  void OnOpen();
  void OnExit();
  void OnSettings();
  // The restore dialog (MainFrmRestore.cpp).
  void OnRestore();
  // The restore dialog is open, and an automatic run waits for it to close.
  bool m_restoreOpen = false;
  bool m_automaticRunWaiting = false;
  void RunStartup();
  // Timers 3 and 4 (MainFrmTimers.cpp).
  void OnBackupTimer(UINT_PTR id);
  // Real-time backup's messages and timer (MainFrmRealTime.cpp).
  bool OnRealTimeMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void OnDirectoryChange(WPARAM action, LPARAM path);
  void OnChangeEvent(LPARAM event);
  void OnChangesLost();
  void OnLostChangesTimer();

  // IStartupSteps: the sequence of the start-up timer (see MainFrmStartup.cpp).
  void StopStartupTimer() override;
  bool LaunchUpdate() override;
  void ShowBackupDialog() override;
  void ClearPopup() override;

  // The settings dialog and what its answer changes (MainFrmSettings.cpp).
  void RunSettingsDialog();

  BackupDialogMaker m_makeDialog;
  std::unique_ptr<FrameBackupTimers> m_backupTimers;
  std::unique_ptr<CRealTimeBackup> m_realTime;
};

}  // namespace vl
