#include "client/ui/DialogLayout.h"

#include "resources/client/resource.h"
#include "skin/DialogSK.h"
#include "skin/SkinButtonCursor.h"
#include "win32/framework/WinApp.h"

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

void SkinButtons(CWnd& dialog, std::initializer_list<SkinnedButton> buttons,
                 const std::function<String(UINT)>& text) {
  for (const SkinnedButton& entry : buttons) {
    entry.button.SubclassDlgItem(entry.id, &dialog);
    SkinButton(entry.button, entry.normal, entry.pressed, entry.hover, text(entry.tipId),
               entry.captioned);
  }
}

void SetDialogFace(CDialogSK& dialog, UINT backgroundBitmap, const String& title) {
  // Shared: the system keeps the icon for the process, so the dialog need not free it.
  auto* icon = static_cast<HICON>(
      ::LoadImageW(AfxGetInstanceHandle(), MAKEINTRESOURCEW(IDR_MAINFRAME), IMAGE_ICON,
                   ::GetSystemMetrics(SM_CXSMICON), ::GetSystemMetrics(SM_CYSMICON), LR_SHARED));
  ::SendMessageW(dialog.m_hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
  ApplyDialogSkin(dialog, backgroundBitmap);
  dialog.SetWindowText(title);
}

}  // namespace vl
