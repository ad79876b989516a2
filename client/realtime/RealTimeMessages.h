#pragma once
// The messages real-time backup sends to the main frame's window.
#include <windows.h>

namespace vl {

// From a drive watcher: wParam the platform's file action (1..5), lParam a heap copy of the
// full path (new wchar_t[]), which the receiver deletes.
constexpr UINT WM_DIRECTORY_CHANGE = WM_USER + 1002;  // 2026
// From the frame to itself: wParam 0, lParam a heap CHANGE_EVENT, which the receiver deletes.
constexpr UINT WM_CHANGE_EVENT = WM_USER + 1003;  // 2027
// From a drive watcher whose read returned no records: the system's buffer overflowed and
// changes on that drive were lost. wParam the drive letter, lParam 0.
constexpr UINT WM_CHANGES_LOST = WM_USER + 1010;  // 2034

}  // namespace vl
