#include "skin/SkinButtonCursor.h"

namespace vl {

bool CxSkinButtonCursor::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  if (message != WM_SETCURSOR) return CxSkinButton::OnWndMsg(message, wParam, lParam, result);
  ::SetCursor(::LoadCursorW(nullptr, IDC_HAND));
  *result = TRUE;
  return true;
}

}  // namespace vl
