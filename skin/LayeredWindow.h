#pragma once
// Shaped skinned windows: every pixel of the colour key is cut out of the window. The layered
// window function is looked up by name, so the programs still start on systems without it; the
// windows then simply stay rectangular.
#include <windows.h>

namespace vl {

// Pure green marks what is not part of a skinned window.
constexpr COLORREF kSkinColourKey = RGB(0, 255, 0);

using SetLayeredWindowAttributesFn = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);

// Looks the function up in USER32.DLL once per process; null where the system lacks it.
SetLayeredWindowAttributesFn LayeredWindowFunction();

// Adds the layered extended style and sets key as the transparent colour; false when the system
// has no layered windows or refused.
bool MakeColourKeyed(HWND hWnd, COLORREF key = kSkinColourKey);

}  // namespace vl
