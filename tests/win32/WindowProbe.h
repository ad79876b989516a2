#pragma once
// Looking at the windows of another process: finding them, reading their texts, answering
// their dialogs. Calls into the other process are bounded, so a stalled program cannot hang
// the test.
#include <windows.h>

#include "core/base/String.h"

namespace vl::test {

// The standard class name of dialog boxes and message boxes.
constexpr const wchar_t* kDialogClass = L"#32770";

// A top-level window of the process with this class and caption (either may be null to
// match any); null when there is none.
HWND FindProcessWindow(DWORD processId, const wchar_t* className, const wchar_t* caption);

// The window's text via WM_GETTEXT with a timeout; empty on failure.
String ReadWindowText(HWND hWnd);

// The text of a message box: its text control (id 0xFFFF), or else every static child's text.
String ReadMessageBoxText(HWND box);

// True when some child window of parent has exactly this text.
bool HasChildWithText(HWND parent, const String& text);

// "class: text" of every child window, one a line, for failure messages.
String DescribeChildren(HWND parent);

}  // namespace vl::test
