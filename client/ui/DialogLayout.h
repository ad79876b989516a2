#pragma once
// What the client's skinned dialogs share in how they are made: the background picture drawn at
// the origin with the window sized to it and the green outline cut out, controls placed in
// pixels, and buttons whose pictures carry no words and so show their text in white.
#include <windows.h>

#include "core/base/String.h"

namespace vl {

class CDialogSK;
class CxSkinButtonCursor;

struct Placement {
  int id;
  int x, y, width, height;
};

// Without layered windows the dialog simply stays rectangular.
void ApplyDialogSkin(CDialogSK& dialog, UINT backgroundBitmap);
void Place(HWND dialog, const Placement& place);
// Pictures and tooltip; a captioned button also shows the tooltip's text on its face.
void SkinButton(CxSkinButtonCursor& button, UINT normal, UINT pressed, UINT hover,
                const String& tip, bool captioned);

}  // namespace vl
