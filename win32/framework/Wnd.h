#pragma once
// CWnd: the C++ object behind one HWND. A window made through CreateEx (or a dialog made by
// CDialog) finds its object again on every message and hands the message to WindowProc, which
// asks OnWndMsg to dispatch it to the virtual handlers below and falls back to the system's
// default processing for anything left unhandled. Derived classes add messages of their own by
// overriding OnWndMsg and calling the base for the rest.
#include <windows.h>
#include <shellapi.h>

#include "core/base/String.h"

namespace vl {

// The text of any window, a control of a template included.
String GetWindowTextOf(HWND hWnd);

class CWnd {
 public:
  CWnd() = default;
  virtual ~CWnd();
  CWnd(const CWnd&) = delete;
  CWnd& operator=(const CWnd&) = delete;

  HWND m_hWnd = nullptr;
  HWND GetSafeHwnd() const { return m_hWnd; }

  // The object attached to hWnd by this framework, or null for foreign windows.
  static CWnd* FromHandlePermanent(HWND hWnd);

  // Registers a window class whose procedure dispatches to CWnd objects. A class that is
  // already registered counts as success.
  static bool RegisterWindowClass(const wchar_t* className, UINT style = 0, HICON icon = nullptr,
                                  HCURSOR cursor = nullptr, HBRUSH background = nullptr);

  // Creates the window; false with GetLastError when the system refused.
  bool CreateEx(DWORD exStyle, const wchar_t* className, const String& windowName, DWORD style,
                int x, int y, int width, int height, HWND parent, HMENU menuOrId);
  bool DestroyWindow();

  bool ShowWindow(int showCommand) { return ::ShowWindow(m_hWnd, showCommand) != FALSE; }
  bool IsWindowVisible() const { return ::IsWindowVisible(m_hWnd) != FALSE; }
  void SetWindowText(const String& text) { ::SetWindowTextW(m_hWnd, text.c_str()); }
  String GetWindowText() const;
  HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
  void DragAcceptFiles(bool accept = true);
  LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return ::SendMessageW(m_hWnd, message, wParam, lParam);
  }
  bool PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return ::PostMessageW(m_hWnd, message, wParam, lParam) != FALSE;
  }
  UINT_PTR SetTimer(UINT_PTR id, UINT elapseMs) { return ::SetTimer(m_hWnd, id, elapseMs, nullptr); }
  bool KillTimer(UINT_PTR id) { return ::KillTimer(m_hWnd, id) != FALSE; }

  // Called by the message loop before dispatching msg to this window or one of its children;
  // true means the message was consumed (dialogs use it for keyboard navigation).
  virtual bool PreTranslateMessage(MSG& msg);

 protected:
  // Entry of every message for windows made by CreateEx.
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  // Dispatches to the handlers; false leaves the message to the default processing.
  virtual bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
  virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);

  // Return -1 to make the creation fail.
  virtual int OnCreate(CREATESTRUCTW* createStruct);
  // The default destroys the window.
  virtual void OnClose();
  virtual void OnDestroy() {}
  // Menu items, accelerators and control notifications; false when not handled.
  virtual bool OnCommand(WPARAM wParam, LPARAM lParam);
  virtual void OnTimer(UINT_PTR id) { (void)id; }
  // The default releases the drop without opening anything.
  virtual void OnDropFiles(HDROP drop);
  // After the last message; m_hWnd is already null. Objects that own themselves delete here.
  virtual void PostNcDestroy() {}

  void Attach(HWND hWnd);
  // Unhooks the object from its window once the window is gone.
  void OnNcDestroyed();

 private:
  static LRESULT CALLBACK StaticWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
};

}  // namespace vl
