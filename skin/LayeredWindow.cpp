#include "skin/LayeredWindow.h"

#include "win32/handles/ModuleHandle.h"

namespace vl {

SetLayeredWindowAttributesFn LayeredWindowFunction() {
  static const SetLayeredWindowAttributesFn function =
      win32::GetExport<SetLayeredWindowAttributesFn>(::GetModuleHandleW(L"USER32.DLL"),
                                                     "SetLayeredWindowAttributes");
  return function;
}

bool MakeColourKeyed(HWND hWnd, COLORREF key) {
  SetLayeredWindowAttributesFn setAttributes = LayeredWindowFunction();
  if (!setAttributes || !hWnd) return false;
  const LONG_PTR exStyle = ::GetWindowLongPtrW(hWnd, GWL_EXSTYLE);
  ::SetWindowLongPtrW(hWnd, GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
  return setAttributes(hWnd, key, 0, LWA_COLORKEY) != FALSE;
}

}  // namespace vl
