#include "skin/ToolTip.h"

#include "win32/framework/WinApp.h"

namespace vl {

CToolTip::~CToolTip() {
  if (m_hWnd && ::IsWindow(m_hWnd)) ::DestroyWindow(m_hWnd);
}

bool CToolTip::Create(HWND owner) {
  if (m_hWnd) return true;
  m_owner = owner;
  m_hWnd = ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner,
                             nullptr, AfxGetInstanceHandle(), nullptr);
  return m_hWnd != nullptr;
}

TOOLINFOW CToolTip::MakeInfo(UINT_PTR id) const {
  TOOLINFOW info{};
  // The older layout: every version of the common controls accepts it.
  info.cbSize = TTTOOLINFOW_V2_SIZE;
  info.hwnd = m_owner;
  info.uId = id;
  info.hinst = AfxGetInstanceHandle();
  return info;
}

bool CToolTip::AddTool(UINT_PTR id, const RECT& rect, const wchar_t* text) {
  TOOLINFOW info = MakeInfo(id);
  info.rect = rect;
  info.lpszText = const_cast<wchar_t*>(text);
  return ::SendMessageW(m_hWnd, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info)) != FALSE;
}

void CToolTip::SetToolRect(UINT_PTR id, const RECT& rect) {
  TOOLINFOW info = MakeInfo(id);
  info.rect = rect;
  ::SendMessageW(m_hWnd, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&info));
}

void CToolTip::UpdateText(UINT_PTR id, const String& text) {
  TOOLINFOW info = MakeInfo(id);
  info.lpszText = const_cast<wchar_t*>(text.c_str());
  ::SendMessageW(m_hWnd, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
}

bool CToolTip::HasTool(UINT_PTR id) const {
  TOOLINFOW info = MakeInfo(id);
  return m_hWnd && ::SendMessageW(m_hWnd, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&info));
}

void CToolTip::Activate(bool active) {
  if (m_hWnd) ::SendMessageW(m_hWnd, TTM_ACTIVATE, active ? TRUE : FALSE, 0);
}

void CToolTip::Relay(UINT message, WPARAM wParam, LPARAM lParam) {
  if (!m_hWnd) return;
  MSG msg{m_owner, message, wParam, lParam, static_cast<DWORD>(::GetMessageTime()), {}};
  ::SendMessageW(m_hWnd, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&msg));
}

}  // namespace vl
