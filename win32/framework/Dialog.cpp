#include "win32/framework/Dialog.h"

#include <windowsx.h>

#include "win32/framework/WinApp.h"

namespace vl {

INT_PTR CDialog::DoModal() {
  m_bModal = true;
  const INT_PTR result =
      ::DialogBoxParamW(AfxGetInstanceHandle(), MAKEINTRESOURCEW(m_nIDTemplate),
                        m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr, &CDialog::StaticDialogProc,
                        reinterpret_cast<LPARAM>(this));
  m_bModal = false;
  return result;
}

bool CDialog::Create(CWnd* parent) {
  if (parent) m_pParentWnd = parent;
  m_bModal = false;
  HWND hWnd = ::CreateDialogParamW(AfxGetInstanceHandle(), MAKEINTRESOURCEW(m_nIDTemplate),
                                   m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr,
                                   &CDialog::StaticDialogProc, reinterpret_cast<LPARAM>(this));
  return hWnd != nullptr;
}

void CDialog::EndDialog(int result) { ::EndDialog(m_hWnd, result); }

bool CDialog::PreTranslateMessage(MSG& msg) {
  // A modal dialog runs its own loop; only modeless ones need the main loop's help with Tab,
  // Enter and Escape.
  return !m_bModal && m_hWnd && ::IsDialogMessageW(m_hWnd, &msg);
}

bool CDialog::OnCommand(WPARAM wParam, LPARAM lParam) {
  (void)lParam;
  switch (LOWORD(wParam)) {
    case IDOK:
      OnOK();
      return true;
    case IDCANCEL:
      OnCancel();
      return true;
    default:
      return false;
  }
}

void CDialog::CloseWith(int result) {
  if (m_bModal)
    EndDialog(result);
  else
    DestroyWindow();
}

INT_PTR CALLBACK CDialog::StaticDialogProc(HWND hWnd, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
  auto* dialog = static_cast<CDialog*>(FromHandlePermanent(hWnd));
  if (!dialog && message == WM_INITDIALOG) {
    dialog = reinterpret_cast<CDialog*>(lParam);
    dialog->Attach(hWnd);
    return dialog->OnInitDialog() ? TRUE : FALSE;
  }
  if (!dialog) return FALSE;
  LRESULT result = 0;
  const bool handled = dialog->OnWndMsg(message, wParam, lParam, &result);
  if (message == WM_NCDESTROY) dialog->OnNcDestroyed();
  // Unhandled messages go to the dialog manager's own processing.
  if (!handled) return FALSE;
  return SetDlgMsgResult(hWnd, message, result);
}

}  // namespace vl
