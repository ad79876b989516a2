#pragma once
// CDlgBackup: the window the user works with: the backup items, the backup target, and the
// buttons that add items and start or stop a run. The frame makes it modeless and hidden and
// shows it from the tray; closing it only hides it. What it does with items, target and runs
// lives in CBackupDialogLogic and CRunControl; this class is their window.
#include <functional>
#include <memory>

#include "client/engine/Clock.h"
#include "client/engine/TextProvider.h"
#include "client/platform/FileSystemWin32.h"
#include "client/ui/IBackupDialog.h"
#include "client/ui/WorkerSendGate.h"
#include "client/ui/logic/BackupDialogLogic.h"
#include "client/ui/logic/BackupDialogView.h"
#include "client/ui/logic/BackupServices.h"
#include "client/ui/logic/ProgressMailbox.h"
#include "client/ui/logic/RunControl.h"
#include "skin/DialogSK.h"
#include "skin/MyHyperLink.h"
#include "skin/MyList.h"
#include "skin/SkinButtonCursor.h"
#include "win32/ResourceTexts.h"
#include "win32/handles/GdiObject.h"

namespace vl {

class CDlgBackup : public CDialogSK,
                   public IBackupDialog,
                   private IBackupDialogView,
                   private IRunWindow {
 public:
  static constexpr UINT kBackupDoneMessage = WM_USER + 1005;  // WM_BACKUP_DONE, 2029
  // The worker left progress in the mailbox.
  static constexpr UINT kProgressMessage = WM_APP + 1;
  static constexpr const wchar_t* kCaption = L"Vaultline";
  // The template's window class: a dialog class of its own, so that looking for the client's
  // message boxes (dialogs captioned "Vaultline" as well) never finds this window instead.
  static constexpr const wchar_t* kWindowClass = L"VaultlineBackupDialog";

  // One line of the debug trace, without its line end.
  using TraceFn = std::function<void(const String&)>;

  CDlgBackup(std::unique_ptr<IBackupServices> services, TraceFn trace);
  ~CDlgBackup() override;

  // IBackupDialog, for the frame.
  bool IsRunActive() const override { return m_run.IsRunActive(); }
  void ShowBackupDialog() override;
  void StartAutomaticBackup() override;
  void StartSynchronizingBackup() override;
  void SetTargetLineColour(COLORREF colour) override;

  // Makes the window, hidden, with parent as its owner; false with GetLastError when the
  // system refused.
  bool CreateModeless(CWnd& parent);

 protected:
  bool OnInitDialog() override;
  bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
  bool OnCommand(WPARAM wParam, LPARAM lParam) override;
  void OnDropFiles(HDROP drop) override;
  void OnDestroy() override;
  // Enter does nothing; Esc and the system's close hide the dialog like the close button.
  void OnOK() override {}
  void OnCancel() override;

 private:
  // Initialisation and layout (DlgBackupLayout.cpp).
  void SetUpWindow();
  void SetUpButtons();
  void SetUpLines();
  void PlaceControls();
  void SetUpFonts();
  void PlaceTargetLine();
  void CentreOnWorkArea();
  int TextWidthIn(HWND control, const String& text) const;

  // Commands and notifications (DlgBackup.cpp).
  void StartAutomatic(bool synchronize);
  ListEntryLook DescribeItem(const void* data) const;
  void OnStart();
  void OnHide();
  void OnLinkClick(int lineId);
  void OnBackupDone(WPARAM code);
  LRESULT OnLabelColour(HDC dc);
  void WaitForWorker();
  void Trace(const String& line) const;

  // IBackupDialogView (DlgBackupView.cpp).
  void ShowMessage(uint32_t textId) override;
  void ShowMessageWith(uint32_t textId, const String& insert) override;
  bool AskYesNo(uint32_t textId, BoxIcon icon) override;
  void ClearItemList() override;
  int AddItemEntry(CSource* item) override;
  void DeleteItemEntry(int index) override;
  void SelectItemEntry(int index) override;
  int SelectedItemEntry() const override;
  CSource* ItemAt(int index) const override;
  void RedrawItemList() override;
  void ShowSourceLine(const String& text) override;
  void ShowTargetLine(const String& fullPath, uint32_t colour) override;
  void ShowRunControls(bool running) override;
  void ShowReport(const ErrorList& errors, const RunStats& stats) override;
  void PostStartCommand() override;
  bool BrowseForFolder(uint32_t titleId, const String& initial, String& chosen) override;
  void OpenFolder(const String& path) override;

  // IRunWindow, on the worker (DlgBackupRunWindow.cpp).
  void ShowPercent(int percent) override;
  void ShowStatus(const String& text) override;
  void ShowCaption(const String& text) override;
  void EnableItemList(bool enable) override;
  void PostBackupDone(RunCompletion code) override;
  bool OnWindowThread() const;
  void DeliverProgress(ProgressUpdate update);
  void ShowProgress(const ProgressUpdate& update);

  HWND Item(int id) const { return ::GetDlgItem(m_hWnd, id); }
  void ShowItem(int id, bool show) const;

  // Declared before what uses them: construction follows this order.
  TraceFn m_trace;
  std::unique_ptr<IBackupServices> m_services;
  platform::FileSystemWin32 m_fs;  // also the drive set
  SystemClock m_clock;
  EnglishTexts m_englishTexts;
  ResourceTexts m_texts;
  CRunControl m_run;
  CBackupDialogLogic m_logic;

  CxSkinButtonCursor m_btnClose;
  CxSkinButtonCursor m_btnMinimize;
  CxSkinButtonCursor m_btnAdd;
  CxSkinButtonCursor m_btnLocation;
  CxSkinButtonCursor m_btnBackup;
  CxSkinButtonCursor m_btnStop;
  CMyList m_list;
  CMyHyperLink m_lineSource;
  CMyHyperLink m_lineTarget;
  win32::GdiFont m_font;
  win32::GdiFont m_boldFont;

  // The target line's text as shown: the target path shortened to the line's width.
  String m_strTargetLine;
  // The window the worker reaches; fixed once the dialog exists.
  HWND m_hRunWindow = nullptr;
  WorkerSendGate m_sendGate;
  ProgressMailbox m_progress;
};

}  // namespace vl
