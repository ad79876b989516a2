#pragma once
// CTransButton: a check box, radio button or static-looking button whose text and background
// colours are its own (the settings dialog draws them on its white panel).
#include "skin/SkinControl.h"
#include "win32/handles/GdiObject.h"

namespace vl {

class CTransButton : public CSkinControl {
 public:
  static constexpr COLORREF kDefaultBackground = RGB(255, 255, 255);
  static constexpr COLORREF kDefaultText = RGB(0x82, 0x82, 0x82);

  CTransButton();
  void SetColours(COLORREF text, COLORREF background);

 protected:
  bool OnReflectedMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

 private:
  win32::GdiBrush m_brush;
  COLORREF m_crText;
  COLORREF m_crBackground;
};

}  // namespace vl
