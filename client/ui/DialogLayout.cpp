#include "client/ui/DialogLayout.h"

#include "skin/DialogSK.h"
#include "skin/SkinButtonCursor.h"

namespace vl {
namespace {
constexpr COLORREF kButtonCaptionColour = RGB(255, 255, 255);
}  // namespace

void ApplyDialogSkin(CDialogSK& dialog, UINT backgroundBitmap) {
  dialog.SetBitmap(backgroundBitmap);
  dialog.SetStyle(static_cast<int>(BackgroundStyle::origin2));
  dialog.EnableEasyMove();
  dialog.SizeToBitmap();
  dialog.EnableColourKey();
}

void Place(HWND dialog, const Placement& place) {
  ::SetWindowPos(::GetDlgItem(dialog, place.id), nullptr, place.x, place.y, place.width,
                 place.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void SkinButton(CxSkinButtonCursor& button, UINT normal, UINT pressed, UINT hover,
                const String& tip, bool captioned) {
  button.SetSkin(normal, pressed, hover);
  button.SetToolTipText(tip);
  if (!captioned) return;
  button.SetWindowText(tip);
  button.SetTextColor(kButtonCaptionColour);
}

}  // namespace vl
