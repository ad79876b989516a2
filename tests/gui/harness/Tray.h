#pragma once
// Clicking the client's notification-area icon as the shell reports it: the tray callback
// message with the icon's id (the tray menu's, IDR_TRAYMENU) and the mouse event.
#include <windows.h>

#include "resources/client/resource.h"

namespace vl::test {

constexpr UINT kTrayCallbackMessage = WM_USER + 1001;  // 2025

void PostTrayEvent(HWND frame, UINT mouseMessage);

// Whether the shell still knows the icon (hWnd, uId): a tip change is accepted only for an icon
// that is there.
bool TrayIconPresent(HWND owner, UINT uId = IDR_TRAYMENU);

}  // namespace vl::test
