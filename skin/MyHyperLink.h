#pragma once
// CMyHyperLink: a line of text that acts as a link: hand cursor and tooltip while it has text
// and is active, colours for normal, hover and visited, and a click that either opens the link
// or tells the parent (message 1525 with the line's control id).
#include <cstdint>

#include "skin/SkinControl.h"
#include "skin/ToolTip.h"
#include "win32/handles/GdiObject.h"

namespace vl {

class CMyHyperLink : public CSkinControl {
 public:
  static constexpr UINT kLinkClickMessage = 1525;  // WM_LINK_CLICK
  static constexpr UINT_PTR kToolId = 1001;
  static constexpr COLORREF kDefaultLinkColour = RGB(0, 0, 255);
  static constexpr COLORREF kBackgroundBrushColour = RGB(0xF5, 0xF5, 0xF5);
  static constexpr COLORREF kBackgroundTextColour = RGB(0xF3, 0xF3, 0xF3);

  CMyHyperLink();

  void SetToolTipText(const String& text) { m_toolTip.UpdateText(kToolId, text); }
  void SetColours(COLORREF normal, COLORREF hover, COLORREF visited);
  // The colour the text is drawn in now.
  COLORREF CurrentTextColour() const;
  bool IsHovering() const { return m_bHover != 0; }
  const CToolTip& ToolTip() const { return m_toolTip; }

  COLORREF m_crHover;
  COLORREF m_crNormal;
  COLORREF m_crVisited;
  int32_t m_bVisited = 0;
  int32_t m_bInactive = 0;
  int32_t m_bNotifyParent = 0;
  String m_strLink;

 protected:
  void PreSubclassWindow() override;
  bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
  bool OnReflectedMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

 private:
  bool IsLive() const { return HasText() && !m_bInactive; }
  void TrackHover(LPARAM point);
  void OnClicked();
  LRESULT OnControlColour(HDC dc);

  HCURSOR m_hHandCursor = nullptr;
  CToolTip m_toolTip;
  win32::GdiBrush m_brush;
  int32_t m_bHover = 0;
};

}  // namespace vl
