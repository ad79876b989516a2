#pragma once
// CVLInstallDlg: the installer's one window. The user chooses a PC installation (a folder,
// proposed below Program Files, and whether the desktop gets an icon) or a removable one (a
// USB or IEEE 1394 volume from the list), and Next installs; the dialog stays open after any
// stop so that the choice can be corrected.
#include <cstdint>

#include "installer/ShellClass.h"
#include "installer/VolumeProbe.h"
#include "installer/logic/InstallChoice.h"
#include "skin/DialogSK.h"
#include "skin/SkinButtonCursor.h"
#include "skin/TransButton.h"

namespace vl::installer {

class CVLInstallDlg : public CDialogSK {
 public:
  static constexpr const wchar_t* kTitle = L"Vaultline Installer Helper";

  CVLInstallDlg();

 protected:
  bool OnInitDialog() override;
  bool OnCommand(WPARAM wParam, LPARAM lParam) override;
  bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
  // Enter installs nothing: only Next does.
  void OnOK() override {}
  // Escape, the close button and Cancel all ask first.
  void OnCancel() override;
  // save: controls to members; otherwise members to controls.
  void DoDataExchange(bool save);

 private:
  // Window making (VLInstallDlgLayout.cpp).
  void SetUpWindow();
  void SetUpButtons();
  void PlaceControls();
  void SetUpVolumeList();
  void ShowChoiceLook();

  void OnChoosePc();
  void OnChooseRemovable();
  void OnBrowse();
  void OnInstall();
  void ShowKindControls();
  void FillVolumeList();
  String SelectedVolume() const;
  bool PaintMinimised();

  int32_t m_bDesktopIcon = 1;
  String m_strInstallFolder;
  String m_strDefaultFolder;
  HIMAGELIST m_hSmallIcons = nullptr;  // the system's; never destroyed here

  CShellClass m_shell;
  CVolumeProbe m_probe;
  InstallChoice m_choice;

  CxSkinButtonCursor m_btnClose;
  CxSkinButtonCursor m_btnPc;
  CxSkinButtonCursor m_btnRemovable;
  CxSkinButtonCursor m_btnBrowse;
  CxSkinButtonCursor m_btnNext;
  CxSkinButtonCursor m_btnCancel;
  CTransButton m_chkDesktopIcon;
};

}  // namespace vl::installer
