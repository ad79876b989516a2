#pragma once
// Telling apart the top-level windows of a program whose dialogs and message boxes share one
// class and one caption: a dialog is known by a control only it has, a message box by its
// text control.
#include <windows.h>

#include "core/base/String.h"

namespace vl::test {

// A visible top-level window of the process that has a child with controlId; null when none.
HWND FindWindowWithControl(DWORD processId, int controlId);
// Waits (bounded) for such a window.
HWND WaitForWindowWithControl(DWORD processId, int controlId, DWORD timeoutMs);

// A visible message box of the process (with this caption, unless null): a dialog-class window
// whose text control is a static; null when none.
HWND FindMessageBoxOf(DWORD processId, const wchar_t* caption = nullptr);
HWND WaitForMessageBoxOf(DWORD processId, DWORD timeoutMs, const wchar_t* caption = nullptr);

// The text of a dialog's control (WM_GETTEXT, which reaches across processes).
String ControlText(HWND dialog, int controlId);

// Polls done() every few milliseconds until it holds or timeoutMs passed; the last done().
template <typename Done>
bool WaitFor(Done done, DWORD timeoutMs) {
  const ULONGLONG deadline = ::GetTickCount64() + timeoutMs;
  for (;;) {
    if (done()) return true;
    if (::GetTickCount64() >= deadline) return false;
    ::Sleep(20);
  }
}

}  // namespace vl::test
