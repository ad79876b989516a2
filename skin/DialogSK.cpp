#include "skin/DialogSK.h"

#include <windowsx.h>

#include "skin/SkinControl.h"
#include "win32/framework/WinApp.h"

namespace vl {

CDialogSK::CDialogSK(UINT templateId, CWnd* parent) : CDialog(templateId, parent) {
  // Looked up with the first skinned dialog, so every later one finds it ready.
  LayeredWindowFunction();
}

CDialogSK::~CDialogSK() = default;

bool CDialogSK::SetBitmap(HBITMAP bitmap) {
  DropBitmap();
  BITMAP info{};
  if (!bitmap || !::GetObjectW(bitmap, sizeof(info), &info)) {
    if (bitmap) ::DeleteObject(bitmap);
    return false;
  }
  m_bitmap.Reset(bitmap);
  m_hBitmap = bitmap;
  m_dwWidth = static_cast<uint32_t>(info.bmWidth);
  m_dwHeight = static_cast<uint32_t>(info.bmHeight);
  if (m_hWnd) ::InvalidateRect(m_hWnd, nullptr, TRUE);
  return true;
}

bool CDialogSK::SetBitmap(UINT resourceId) {
  return SetBitmap(static_cast<HBITMAP>(::LoadImageW(
      AfxGetInstanceHandle(), MAKEINTRESOURCEW(resourceId), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR)));
}

void CDialogSK::SizeToBitmap() {
  RECT frame{0, 0, static_cast<LONG>(m_dwWidth), static_cast<LONG>(m_dwHeight)};
  ::AdjustWindowRectEx(&frame, static_cast<DWORD>(::GetWindowLongPtrW(m_hWnd, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(::GetWindowLongPtrW(m_hWnd, GWL_EXSTYLE)));
  ::SetWindowPos(m_hWnd, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool CDialogSK::EnableColourKey(COLORREF key) { return MakeColourKeyed(m_hWnd, key); }

bool CDialogSK::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  if (ReflectToControl(message, wParam, lParam, result)) return true;
  switch (message) {
    case WM_ERASEBKGND:
      *result = OnEraseBackground(reinterpret_cast<HDC>(wParam)) ? 1 : 0;
      return true;
    case WM_SIZE:
      if (m_hBitmap) ::InvalidateRect(m_hWnd, nullptr, TRUE);
      return false;
    case WM_LBUTTONDOWN:
      OnLeftButtonDown(lParam);
      return false;
    default:
      return CDialog::OnWndMsg(message, wParam, lParam, result);
  }
}

bool CDialogSK::OnEraseBackground(HDC dc) {
  RECT client{};
  ::GetClientRect(m_hWnd, &client);
  // What the dialog manager would have erased with, so parts the bitmap leaves open look as
  // they would without a skin.
  ::FillRect(dc, &client, ::GetSysColorBrush(COLOR_3DFACE));
  const SIZE size{static_cast<LONG>(m_dwWidth), static_cast<LONG>(m_dwHeight)};
  PaintBackground(dc, m_hBitmap, size, client, m_nStyle);
  return true;
}

void CDialogSK::OnLeftButtonDown(LPARAM point) {
  // A press on the caption is what makes the system drag a window; the skinned dialog has no
  // caption, so every press on its client area pretends to be one.
  if (!m_bEasyMove) return;
  POINT screen{GET_X_LPARAM(point), GET_Y_LPARAM(point)};
  ::ClientToScreen(m_hWnd, &screen);
  PostMessage(WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(screen.x, screen.y));
}

void CDialogSK::OnDestroy() {
  DropBitmap();
  CDialog::OnDestroy();
}

void CDialogSK::DropBitmap() {
  m_bitmap.Reset();
  m_hBitmap = nullptr;
  m_dwWidth = 0;
  m_dwHeight = 0;
}

}  // namespace vl
