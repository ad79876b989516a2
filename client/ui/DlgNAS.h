#pragma once
// CDlgNAS: the NAS share's address, name, account and password, tried with a connection before
// they are stored. Opened from the settings dialog; IDOK means the entry was stored and the
// set saved, IDCANCEL that nothing changed.
#include <functional>

#include "client/engine/NetworkConnections.h"
#include "client/model/Settings.h"
#include "client/ui/logic/NasConnection.h"
#include "client/ui/logic/NasDialogLogic.h"
#include "skin/DialogSK.h"
#include "skin/SkinButtonCursor.h"
#include "win32/handles/GdiObject.h"

namespace vl {

// The NAS connection's boxes over owner (standing on their own while owner is hidden).
class NasMessageBoxes : public INasMessages {
 public:
  explicit NasMessageBoxes(HWND owner) : m_owner(owner) {}
  void Show(TextId text, NasIcon icon) override;
  void ShowText(const String& text, NasIcon icon) override;
  bool AskYesNo(TextId text) override;

 private:
  HWND m_owner;
};

struct NasDialogInput {
  CSettings* settings = nullptr;  // not owned; the entry is stored here
  // The frame's mapping, which a connection from the dialog replaces.
  String* drive = nullptr;
  uint32_t* address = nullptr;
  INetworkConnections* net = nullptr;
  std::function<bool()> saveSet;
};

class CDlgNAS : public CDialogSK, private INasDialogView {
 public:
  // Every pointer of input must be set and outlive the modal run.
  CDlgNAS(CWnd* parent, const NasDialogInput& input);

 protected:
  bool OnInitDialog() override;
  bool OnCommand(WPARAM wParam, LPARAM lParam) override;
  bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
  // Enter is the connect button: the dialog never closes with OK unstored.
  void OnOK() override { OnConnect(); }

 private:
  void SetUpFace();
  void SetUpButtons();
  void PlaceControls();
  void ShowEntry(const NasEntry& entry);
  NasEntry ReadEntry() const;
  void OnConnect();
  bool OnStaticColour(HDC dc, HWND control, LRESULT* result) const;
  HWND Item(int id) const { return ::GetDlgItem(m_hWnd, id); }

  // INasDialogView.
  void Focus(NasField field, bool selectAll) override;

  NasDialogInput m_input;
  CxSkinButtonCursor m_btnClose, m_btnConnect, m_btnCancel;
  win32::GdiBrush m_labelBrush;
};

}  // namespace vl
