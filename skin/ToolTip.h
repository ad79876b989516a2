#pragma once
// A tooltip control serving the tools of one window. Mouse messages are relayed to it by the
// window itself, so the tip follows the skinned controls' own idea of when it applies.
#include <windows.h>
#include <commctrl.h>

#include "core/base/String.h"

namespace vl {

class CToolTip {
 public:
  CToolTip() = default;
  ~CToolTip();
  CToolTip(const CToolTip&) = delete;
  CToolTip& operator=(const CToolTip&) = delete;

  bool Create(HWND owner);
  bool IsCreated() const { return m_hWnd != nullptr; }
  HWND GetSafeHwnd() const { return m_hWnd; }

  // A tool of owner over rect (owner's client coordinates); text LPSTR_TEXTCALLBACKW asks the
  // owner for the text when the tip shows.
  bool AddTool(UINT_PTR id, const RECT& rect, const wchar_t* text);
  void SetToolRect(UINT_PTR id, const RECT& rect);
  void UpdateText(UINT_PTR id, const String& text);
  bool HasTool(UINT_PTR id) const;
  void Activate(bool active);
  void Relay(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  TOOLINFOW MakeInfo(UINT_PTR id) const;

  HWND m_hWnd = nullptr;
  HWND m_owner = nullptr;
};

}  // namespace vl
