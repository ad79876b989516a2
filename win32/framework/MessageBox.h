#pragma once
// Message boxes with the application's title as caption, owned by the window the user works
// in when it is on screen.
#include <windows.h>

#include "core/base/String.h"

namespace vl {

// Without an icon in type, OK boxes get the exclamation mark and Yes/No boxes the question
// mark. Returns the button pressed (IDOK, IDYES, ...) or 0 when no box could be shown.
int AfxMessageBox(const String& text, UINT type = MB_OK);
// The text is string promptId of the string table.
int AfxMessageBox(UINT promptId, UINT type = MB_OK);
// A box of a particular window, modal to it while it is on screen; a hidden window leaves the
// box standing on its own.
int AfxMessageBox(HWND owner, const String& text, UINT type);

// The icon a message box of this type gets when the caller named none.
UINT WithDefaultIcon(UINT type);

}  // namespace vl
