#pragma once
// The settings dialog's window class, shared by its two source files only: DlgOptionSync.cpp
// (the data and the buttons' work) and DlgOptionSyncFace.cpp (skin, layout, fonts, colours).
#include "client/ui/DlgOptionSync.h"
#include "skin/DialogSK.h"
#include "skin/SkinButtonCursor.h"
#include "skin/TransButton.h"
#include "win32/handles/GdiObject.h"

namespace vl {

class CDlgOptionSync : public CDialogSK {
 public:
  CDlgOptionSync(CWnd& parent, SettingsChoice& choice, const SettingsDialogInput& input);

 protected:
  bool OnInitDialog() override;
  bool OnCommand(WPARAM wParam, LPARAM lParam) override;
  bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
  void OnOK() override;

 private:
  // DlgOptionSyncFace.cpp.
  void SetUpFace();
  void SkinButtons();
  void ApplyFonts();
  void PlaceControls();
  bool OnStaticColour(HDC dc, HWND control, LRESULT* result) const;

  // DlgOptionSync.cpp.
  void TakeData();
  void ShowData();
  void RefreshEnabledStates();
  void ShowNasButton();
  void OnAutoConnect();
  void OnNasSettings();
  void OnReset();
  void Refuse(const SettingsOkOutcome& outcome);
  HWND Item(int id) const { return ::GetDlgItem(m_hWnd, id); }

  SettingsChoice& m_choice;
  SettingsDialogInput m_input;
  CxSkinButtonCursor m_btnClose, m_btnNas, m_btnReset, m_btnOk, m_btnCancel;
  CTransButton m_boxes[8];
  win32::GdiFont m_font;
  win32::GdiFont m_boldFont;
  win32::GdiBrush m_whiteBrush;
};

}  // namespace vl
