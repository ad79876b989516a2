#pragma once
// CxSkinButton: a push button, check box or radio button drawn from three bitmaps (normal,
// pressed, hover; the normal one also stands for disabled) stretched to the button, with a
// caption in its own colour. Check boxes and radio buttons keep their own check state.
#include <cstdint>
#include <memory>

#include "skin/SkinControl.h"
#include "skin/ToolTip.h"
#include "win32/handles/GdiObject.h"

namespace vl {

class CxSkinButton : public CSkinControl {
 public:
  enum Kind : int32_t { kPushButton = 0, kCheckBox = 2, kRadioButton = 4 };
  using Picture = std::shared_ptr<win32::GdiBitmap>;

  CxSkinButton();
  ~CxSkinButton() override;

  // Normal, pressed and hover pictures from the program's BITMAP resources; the normal one also
  // serves as the disabled picture.
  bool SetSkin(UINT normal, UINT pressed, UINT hover);
  void SetToolTipText(const String& text);
  void SetTextColor(COLORREF colour) { m_crText = colour; }

  void SetCheck(bool checked);
  int32_t GetKind() const { return m_nKind; }
  bool IsHovering() const { return m_bHover != 0; }
  const CToolTip& ToolTip() const { return m_toolTip; }

 protected:
  void PreSubclassWindow() override;
  bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
  bool OnReflectedMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

 private:
  void DrawItem(const DRAWITEMSTRUCT& item);
  void DrawDisabled(HDC dc, const RECT& rect, const String& caption);
  void DrawPressed(HDC dc, const RECT& rect, const String& caption);
  void DrawNormal(HDC dc, const RECT& rect, const String& caption);
  void DrawPictureOrFace(HDC dc, const Picture& picture, const RECT& rect);
  void DrawCaption(HDC dc, RECT rect, const String& caption, COLORREF colour);
  void OnMouseMove(UINT message, WPARAM wParam, LPARAM lParam);
  void OnMouseLeave();
  void OnLeftButtonUp(LPARAM point);
  static Picture Own(HBITMAP bitmap);

  Picture m_normal, m_pressed, m_disabled, m_hover;
  COLORREF m_crText;
  int32_t m_bChecked = 0;
  int32_t m_bHover = 0;
  int32_t m_bPressedCapture = 0;
  int32_t m_nKind = kPushButton;
  CToolTip m_toolTip;
};

}  // namespace vl
