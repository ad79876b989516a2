#pragma once
// Clicking the client's notification-area icon as the shell reports it: the tray callback
// message with the icon's id and the mouse event.
#include <windows.h>

namespace vl::test {

constexpr UINT kTrayCallbackMessage = WM_USER + 1001;  // 2025
constexpr UINT kTrayIconId = 132;

void PostTrayEvent(HWND frame, UINT mouseMessage);

// Whether the shell still knows the icon (hWnd, uId): a tip change is accepted only for an icon
// that is there.
bool TrayIconPresent(HWND owner, UINT uId = kTrayIconId);

}  // namespace vl::test
