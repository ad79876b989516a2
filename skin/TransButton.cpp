#include "skin/TransButton.h"

namespace vl {

CTransButton::CTransButton() { SetColours(kDefaultText, kDefaultBackground); }

void CTransButton::SetColours(COLORREF text, COLORREF background) {
  m_crText = text;
  m_crBackground = background;
  m_brush.Reset(::CreateSolidBrush(background));
  if (m_hWnd) Invalidate();
}

bool CTransButton::OnReflectedMessage(UINT message, WPARAM wParam, LPARAM lParam,
                                      LRESULT* result) {
  (void)lParam;
  if (message != WM_CTLCOLORBTN && message != WM_CTLCOLORSTATIC) return false;
  HDC dc = reinterpret_cast<HDC>(wParam);
  ::SetBkColor(dc, m_crBackground);
  ::SetTextColor(dc, m_crText);
  *result = reinterpret_cast<LRESULT>(m_brush.Get());
  return true;
}

}  // namespace vl
