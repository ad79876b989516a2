#include "skin/SkinControl.h"

namespace vl {
namespace {

// The control a parent's message is about, or null.
HWND ControlOfMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_DRAWITEM:
      return reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)->hwndItem;
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLOREDIT:
      return reinterpret_cast<HWND>(lParam);
    case WM_COMMAND:
      return HIWORD(wParam) != 0 || lParam ? reinterpret_cast<HWND>(lParam) : nullptr;
    default:
      return nullptr;
  }
}

}  // namespace

CSkinControl::~CSkinControl() {
  // The dialog normally destroys its controls first; an object that goes earlier hands the
  // window back to its own procedure instead of destroying a control its dialog still shows.
  Unsubclass();
}

bool CSkinControl::SubclassDlgItem(int id, CWnd* parent) {
  return parent && SubclassHwnd(::GetDlgItem(parent->m_hWnd, id));
}

bool CSkinControl::SubclassHwnd(HWND hWnd) {
  if (!hWnd || m_hWnd) return false;
  Attach(hWnd);
  PreSubclassWindow();
  m_oldProc = reinterpret_cast<WNDPROC>(::SetWindowLongPtrW(
      hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CSkinControl::SubclassProc)));
  return m_oldProc != nullptr;
}

void CSkinControl::Unsubclass() {
  if (!m_hWnd || !m_oldProc) return;
  ::SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_oldProc));
  m_oldProc = nullptr;
  OnNcDestroyed();
}

bool CSkinControl::OnReflectedMessage(UINT message, WPARAM wParam, LPARAM lParam,
                                      LRESULT* result) {
  (void)message;
  (void)wParam;
  (void)lParam;
  (void)result;
  return false;
}

RECT CSkinControl::GetClientRect() const {
  RECT rect{};
  ::GetClientRect(m_hWnd, &rect);
  return rect;
}

bool CSkinControl::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  (void)message;
  (void)wParam;
  (void)lParam;
  (void)result;
  return false;
}

LRESULT CSkinControl::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  return m_oldProc ? ::CallWindowProcW(m_oldProc, m_hWnd, message, wParam, lParam)
                   : ::DefWindowProcW(m_hWnd, message, wParam, lParam);
}

LRESULT CALLBACK CSkinControl::SubclassProc(HWND hWnd, UINT message, WPARAM wParam,
                                            LPARAM lParam) {
  auto* control = static_cast<CSkinControl*>(FromHandlePermanent(hWnd));
  if (!control) return ::DefWindowProcW(hWnd, message, wParam, lParam);
  const LRESULT result = control->WindowProc(message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    control->m_oldProc = nullptr;
    control->OnNcDestroyed();
  }
  return result;
}

bool ReflectToControl(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  HWND control = ControlOfMessage(message, wParam, lParam);
  auto* skinned = dynamic_cast<CSkinControl*>(CWnd::FromHandlePermanent(control));
  return skinned && skinned->OnReflectedMessage(message, wParam, lParam, result);
}

}  // namespace vl
