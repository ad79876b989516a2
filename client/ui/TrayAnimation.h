#pragma once
// The caption animation between the notification area and a window, so that hiding a dialog
// to the tray and bringing it back look like one movement.
#include <windows.h>

namespace vl {

// The notification area's rectangle in screen coordinates; a corner of the taskbar, or of the
// screen, when the shell does not show one.
RECT GetTrayRect();

// Animates a caption from one screen rectangle to another on behalf of window.
void AnimateCaption(HWND window, const RECT& from, const RECT& to);

}  // namespace vl
