#pragma once
// Message boxes with the application's title as caption, owned by the main window when it is
// on screen.
#include <windows.h>

#include "core/base/String.h"

namespace vl {

// Without an icon in type, OK boxes get the exclamation mark and Yes/No boxes the question
// mark. Returns the button pressed (IDOK, IDYES, ...) or 0 when no box could be shown.
int AfxMessageBox(const String& text, UINT type = MB_OK);
// The text is string promptId of the string table.
int AfxMessageBox(UINT promptId, UINT type = MB_OK);

// The icon a message box of this type gets when the caller named none.
UINT WithDefaultIcon(UINT type);

}  // namespace vl
