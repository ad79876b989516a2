#pragma once
// The dialogs' fonts: the system's menu font, as the dialogs' own and in bold for their
// emphasised lines.
#include <windows.h>

#include "win32/handles/GdiObject.h"

namespace vl {

constexpr LONG kBoldWeight = 700;

// The menu font of the system's non-client metrics at weight (0: the font's own weight); an
// empty object when the metrics cannot be read.
win32::GdiFont MakeMenuFont(LONG weight = 0);

// Sets font on every child control of dialog (WM_SETFONT, redrawn).
void SetFontOnChildren(HWND dialog, HFONT font);

}  // namespace vl
