#include "skin/SkinButton.h"

#include <windowsx.h>

#include "skin/SkinPicture.h"
#include "win32/framework/WinApp.h"

namespace vl {
namespace {

constexpr UINT_PTR kButtonToolId = 1;
constexpr int kCaptionInset = 2;

HBITMAP LoadSkinBitmap(UINT id) {
  return static_cast<HBITMAP>(
      ::LoadImageW(AfxGetInstanceHandle(), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, 0));
}

int32_t KindOfStyle(LONG_PTR style) {
  switch (style & BS_TYPEMASK) {
    case BS_AUTOCHECKBOX:
      return CxSkinButton::kCheckBox;
    case BS_AUTORADIOBUTTON:
      return CxSkinButton::kRadioButton;
    default:
      return CxSkinButton::kPushButton;
  }
}

bool IsMouseMessage(UINT message) { return message >= WM_MOUSEFIRST && message <= WM_MOUSELAST; }

}  // namespace

CxSkinButton::CxSkinButton() : m_crText(::GetSysColor(COLOR_BTNTEXT)) {}

CxSkinButton::~CxSkinButton() = default;

CxSkinButton::Picture CxSkinButton::Own(HBITMAP bitmap) {
  return bitmap ? std::make_shared<win32::GdiBitmap>(bitmap) : nullptr;
}

bool CxSkinButton::SetSkin(UINT normal, UINT pressed, UINT hover) {
  m_normal = Own(LoadSkinBitmap(normal));
  m_pressed = Own(LoadSkinBitmap(pressed));
  m_hover = Own(LoadSkinBitmap(hover));
  m_disabled = m_normal;
  if (m_hWnd) Invalidate();
  return m_normal && m_pressed && m_hover;
}

void CxSkinButton::SetToolTipText(const String& text) {
  if (!m_hWnd) return;
  if (!m_toolTip.IsCreated()) {
    m_toolTip.Create(m_hWnd);
    m_toolTip.AddTool(kButtonToolId, GetClientRect(), text.c_str());
    m_toolTip.Activate(true);
    return;
  }
  m_toolTip.UpdateText(kButtonToolId, text);
}

void CxSkinButton::SetCheck(bool checked) {
  m_bChecked = checked ? 1 : 0;
  if (m_hWnd) Invalidate();
}

void CxSkinButton::PreSubclassWindow() {
  const LONG_PTR style = ::GetWindowLongPtrW(m_hWnd, GWL_STYLE);
  m_nKind = KindOfStyle(style);
  ::SetWindowLongPtrW(m_hWnd, GWL_STYLE, (style & ~BS_TYPEMASK) | BS_OWNERDRAW);
}

bool CxSkinButton::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  if (IsMouseMessage(message)) m_toolTip.Relay(message, wParam, lParam);
  switch (message) {
    case WM_LBUTTONDOWN:
      m_bPressedCapture = 1;
      return false;
    case WM_LBUTTONDBLCLK:
      // A quick second click is just another press.
      m_bPressedCapture = 1;
      *result = DefWindowProc(WM_LBUTTONDOWN, wParam, lParam);
      return true;
    case WM_LBUTTONUP:
      OnLeftButtonUp(lParam);
      return false;
    case WM_MOUSEMOVE:
      OnMouseMove(message, wParam, lParam);
      return false;
    case WM_MOUSELEAVE:
      OnMouseLeave();
      return false;
    case BM_GETCHECK:
      *result = m_bChecked ? BST_CHECKED : BST_UNCHECKED;
      return true;
    case BM_SETCHECK:
      SetCheck(wParam == BST_CHECKED);
      return true;
    default:
      return CSkinControl::OnWndMsg(message, wParam, lParam, result);
  }
}

void CxSkinButton::OnLeftButtonUp(LPARAM point) {
  const POINT at{GET_X_LPARAM(point), GET_Y_LPARAM(point)};
  const RECT client = GetClientRect();
  if (m_bPressedCapture && ::PtInRect(&client, at)) {
    if (m_nKind == kCheckBox) SetCheck(!m_bChecked);
    if (m_nKind == kRadioButton) SetCheck(true);
  }
  m_bPressedCapture = 0;
}

void CxSkinButton::OnMouseMove(UINT message, WPARAM wParam, LPARAM lParam) {
  (void)message;
  (void)wParam;
  (void)lParam;
  if (m_bHover) return;
  m_bHover = 1;
  Invalidate();
  TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, m_hWnd, 0};
  ::TrackMouseEvent(&track);
}

void CxSkinButton::OnMouseLeave() {
  m_bHover = 0;
  Invalidate();
}

bool CxSkinButton::OnReflectedMessage(UINT message, WPARAM wParam, LPARAM lParam,
                                      LRESULT* result) {
  (void)wParam;
  if (message != WM_DRAWITEM) return false;
  DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
  *result = TRUE;
  return true;
}

void CxSkinButton::DrawItem(const DRAWITEMSTRUCT& item) {
  const String caption = GetWindowText();
  HDC dc = item.hDC;
  const int previousMode = ::SetBkMode(dc, TRANSPARENT);
  if (item.itemState & ODS_DISABLED)
    DrawDisabled(dc, item.rcItem, caption);
  else if ((item.itemState & ODS_SELECTED) || m_bChecked)
    DrawPressed(dc, item.rcItem, caption);
  else
    DrawNormal(dc, item.rcItem, caption);
  ::SetBkMode(dc, previousMode);
}

void CxSkinButton::DrawDisabled(HDC dc, const RECT& rect, const String& caption) {
  DrawPictureOrFace(dc, m_disabled, rect);
  // Embossed: a highlight copy, and the grey text one pixel up and to the left of it.
  RECT shifted = rect;
  ::OffsetRect(&shifted, 1, 1);
  DrawCaption(dc, shifted, caption, ::GetSysColor(COLOR_3DHILIGHT));
  DrawCaption(dc, rect, caption, ::GetSysColor(COLOR_GRAYTEXT));
}

void CxSkinButton::DrawPressed(HDC dc, const RECT& rect, const String& caption) {
  DrawPictureOrFace(dc, m_pressed, rect);
  RECT shifted = rect;
  ::OffsetRect(&shifted, 1, 1);
  DrawCaption(dc, shifted, caption, m_crText);
}

void CxSkinButton::DrawNormal(HDC dc, const RECT& rect, const String& caption) {
  DrawPictureOrFace(dc, m_bHover && m_hover ? m_hover : m_normal, rect);
  DrawCaption(dc, rect, caption, m_crText);
}

void CxSkinButton::DrawPictureOrFace(HDC dc, const Picture& picture, const RECT& rect) {
  if (picture && picture->IsValid()) {
    StretchPicture(dc, picture->Get(), rect);
    return;
  }
  ::FillRect(dc, &rect, ::GetSysColorBrush(COLOR_BTNFACE));
}

void CxSkinButton::DrawCaption(HDC dc, RECT rect, const String& caption, COLORREF colour) {
  if (caption.empty()) return;
  ::InflateRect(&rect, -kCaptionInset, 0);
  const COLORREF previous = ::SetTextColor(dc, colour);
  ::DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &rect,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  ::SetTextColor(dc, previous);
}

}  // namespace vl
