#pragma once
// CDialog: a dialog built from a DIALOG template in the program's resources, run modally
// (DoModal) or modelessly (Create). OK and Cancel end a modal dialog with IDOK / IDCANCEL and
// destroy a modeless one.
#include "win32/framework/Wnd.h"

namespace vl {

class CDialog : public CWnd {
 public:
  explicit CDialog(UINT templateId, CWnd* parent = nullptr)
      : m_nIDTemplate(templateId), m_pParentWnd(parent) {}

  // Runs the dialog until EndDialog; the result passed to it, or -1 with GetLastError when
  // the dialog could not be made.
  virtual INT_PTR DoModal();
  // Makes the dialog modeless; false with GetLastError when the system refused.
  bool Create(CWnd* parent = nullptr);
  void EndDialog(int result);

  bool PreTranslateMessage(MSG& msg) override;

 protected:
  // Return true to let the system put the focus on the first control.
  virtual bool OnInitDialog() { return true; }
  virtual void OnOK() { CloseWith(IDOK); }
  virtual void OnCancel() { CloseWith(IDCANCEL); }
  bool OnCommand(WPARAM wParam, LPARAM lParam) override;
  void OnClose() override { OnCancel(); }

  UINT m_nIDTemplate;
  CWnd* m_pParentWnd;

 private:
  void CloseWith(int result);
  static INT_PTR CALLBACK StaticDialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

  bool m_bModal = false;
};

}  // namespace vl
