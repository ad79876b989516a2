#pragma once
// Base of the skinned controls: takes over a control window that a dialog template made
// (subclassing) and receives the notifications its parent hands back to it (reflection), so
// that each control draws and colours itself.
#include "win32/framework/Wnd.h"

namespace vl {

class CSkinControl : public CWnd {
 public:
  CSkinControl() = default;
  ~CSkinControl() override;

  // Takes over the control with this id in parent; false when there is none.
  bool SubclassDlgItem(int id, CWnd* parent);
  // (Not "SubclassWindow": <windowsx.h> takes that name as a macro.)
  bool SubclassHwnd(HWND hWnd);

  // A message the parent received about this control (WM_DRAWITEM, WM_CTLCOLOR..., WM_COMMAND
  // notifications); true when the control dealt with it and *result holds the answer.
  virtual bool OnReflectedMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

  HWND GetParent() const { return ::GetParent(m_hWnd); }
  void Invalidate() const { ::InvalidateRect(m_hWnd, nullptr, TRUE); }
  RECT GetClientRect() const;
  bool HasText() const { return ::GetWindowTextLengthW(m_hWnd) > 0; }

 protected:
  // Called with m_hWnd set, before the control's procedure is replaced: the place to change
  // its style.
  virtual void PreSubclassWindow() {}
  // Skinned controls see only their own handlers; everything else goes to the control's own
  // procedure (the framework's generic handlers would swallow WM_DESTROY or WM_TIMER).
  bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
  LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  static LRESULT CALLBACK SubclassProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
  void Unsubclass();

  WNDPROC m_oldProc = nullptr;
};

// Hands a parent's message about a control to that control when it is a skinned one.
bool ReflectToControl(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

}  // namespace vl
