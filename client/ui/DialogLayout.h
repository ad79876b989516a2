#pragma once
// What the client's skinned dialogs share in how they are made: the background picture drawn at
// the origin with the window sized to it and the green outline cut out, controls placed in
// pixels, and buttons whose pictures carry no words and so show their text in white.
#include <windows.h>

#include <functional>
#include <initializer_list>

#include "core/base/String.h"

namespace vl {

class CDialogSK;
class CWnd;
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

// A skinned button of a dialog: its control, its three pictures and its tooltip's string.
struct SkinnedButton {
  CxSkinButtonCursor& button;
  int id;
  UINT normal, pressed, hover;
  UINT tipId;
  bool captioned;  // the picture has no words, so the tooltip's text is drawn on it
};

// Takes over each button's control in dialog and skins it; text gives the tooltips' strings.
void SkinButtons(CWnd& dialog, std::initializer_list<SkinnedButton> buttons,
                 const std::function<String(UINT)>& text);

// The program's icon as the dialog's small icon, then the skin and the title.
void SetDialogFace(CDialogSK& dialog, UINT backgroundBitmap, const String& title);

}  // namespace vl
