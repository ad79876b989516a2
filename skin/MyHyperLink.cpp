#include "skin/MyHyperLink.h"

#include <shellapi.h>
#include <windowsx.h>

namespace vl {

CMyHyperLink::CMyHyperLink()
    : m_crHover(kDefaultLinkColour),
      m_crNormal(kDefaultLinkColour),
      m_crVisited(kDefaultLinkColour),
      m_brush(::CreateSolidBrush(kBackgroundBrushColour)) {}

void CMyHyperLink::SetColours(COLORREF normal, COLORREF hover, COLORREF visited) {
  m_crNormal = normal;
  m_crHover = hover;
  m_crVisited = visited;
  if (m_hWnd) Invalidate();
}

COLORREF CMyHyperLink::CurrentTextColour() const {
  if (m_bVisited) return m_crVisited;
  return m_bHover ? m_crHover : m_crNormal;
}

void CMyHyperLink::PreSubclassWindow() {
  // Without the notify style a static never hears of clicks.
  const LONG_PTR style = ::GetWindowLongPtrW(m_hWnd, GWL_STYLE);
  ::SetWindowLongPtrW(m_hWnd, GWL_STYLE, style | SS_NOTIFY);
  m_hHandCursor = ::LoadCursorW(nullptr, IDC_HAND);
  m_toolTip.Create(m_hWnd);
  m_toolTip.AddTool(kToolId, GetClientRect(), L"");
  m_toolTip.Activate(false);
}

bool CMyHyperLink::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  const bool live = IsLive();
  if (live && message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) {
    m_toolTip.Activate(true);
    m_toolTip.Relay(message, wParam, lParam);
  }
  switch (message) {
    case WM_SETCURSOR:
      if (!live) return false;
      ::SetCursor(m_hHandCursor);
      *result = TRUE;
      return true;
    case WM_MOUSEMOVE:
      TrackHover(lParam);
      return false;
    default:
      return CSkinControl::OnWndMsg(message, wParam, lParam, result);
  }
}

void CMyHyperLink::TrackHover(LPARAM point) {
  const POINT at{GET_X_LPARAM(point), GET_Y_LPARAM(point)};
  const RECT client = GetClientRect();
  if (!m_bHover) {
    m_bHover = 1;
    Invalidate();
    // Capturing is how the line learns that the mouse has left it.
    ::SetCapture(m_hWnd);
  } else if (!::PtInRect(&client, at)) {
    m_bHover = 0;
    ::ReleaseCapture();
    Invalidate();
  }
}

bool CMyHyperLink::OnReflectedMessage(UINT message, WPARAM wParam, LPARAM lParam,
                                      LRESULT* result) {
  (void)lParam;
  if (message == WM_CTLCOLORSTATIC) {
    *result = OnControlColour(reinterpret_cast<HDC>(wParam));
    return true;
  }
  if (message == WM_COMMAND && HIWORD(wParam) == STN_CLICKED) {
    OnClicked();
    *result = 0;
    return true;
  }
  return false;
}

LRESULT CMyHyperLink::OnControlColour(HDC dc) {
  ::SetBkColor(dc, kBackgroundTextColour);
  ::SetTextColor(dc, CurrentTextColour());
  return reinterpret_cast<LRESULT>(m_brush.Get());
}

void CMyHyperLink::OnClicked() {
  if (m_bNotifyParent) {
    ::SendMessageW(GetParent(), kLinkClickMessage,
                   static_cast<WPARAM>(::GetDlgCtrlID(m_hWnd)), 0);
  } else if (!m_strLink.empty()) {
    ::ShellExecuteW(nullptr, L"open", m_strLink.c_str(), nullptr, nullptr, SW_SHOWMINIMIZED);
  }
  m_bHover = 0;
  if (::GetCapture() == m_hWnd) ::ReleaseCapture();
  Invalidate();
}

}  // namespace vl
