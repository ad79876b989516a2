#include "tests/gui/harness/ProcessWindows.h"

#include <cwchar>
#include <functional>

#include "tests/win32/WindowProbe.h"

namespace vl::test {
namespace {

// The message box's text control, on Windows and on Wine alike.
constexpr int kMessageBoxTextId = 0xFFFF;

struct WindowQuery {
  DWORD processId;
  const std::function<bool(HWND)>& accept;
  HWND found;
};

BOOL CALLBACK MatchWindow(HWND hWnd, LPARAM lParam) {
  auto* query = reinterpret_cast<WindowQuery*>(lParam);
  DWORD owner = 0;
  ::GetWindowThreadProcessId(hWnd, &owner);
  if (owner != query->processId || !::IsWindowVisible(hWnd) || !query->accept(hWnd)) return TRUE;
  query->found = hWnd;
  return FALSE;
}

// Every window is looked at, not only the first of a class or caption, so that a dialog
// sharing both with a message box cannot hide the box.
HWND FindVisibleWindow(DWORD processId, const std::function<bool(HWND)>& accept) {
  WindowQuery query{processId, accept, nullptr};
  ::EnumWindows(&MatchWindow, reinterpret_cast<LPARAM>(&query));
  return query.found;
}

bool ClassIs(HWND hWnd, const wchar_t* className) {
  wchar_t actual[32] = {};
  ::GetClassNameW(hWnd, actual, 32);
  return _wcsicmp(actual, className) == 0;
}

// The client's dialogs share the class and the caption of its message boxes, but none has a
// static 0xFFFF.
bool IsMessageBox(HWND hWnd) {
  HWND text = ::GetDlgItem(hWnd, kMessageBoxTextId);
  return text && ClassIs(text, L"Static") && ClassIs(hWnd, kDialogClass);
}

}  // namespace

HWND FindWindowWithControl(DWORD processId, int controlId) {
  return FindVisibleWindow(processId,
                           [&](HWND hWnd) { return ::GetDlgItem(hWnd, controlId) != nullptr; });
}

HWND WaitForWindowWithControl(DWORD processId, int controlId, DWORD timeoutMs) {
  HWND found = nullptr;
  WaitFor([&] { return (found = FindWindowWithControl(processId, controlId)) != nullptr; },
          timeoutMs);
  return found;
}

HWND FindMessageBoxOf(DWORD processId, const wchar_t* caption) {
  return FindVisibleWindow(processId, [&](HWND hWnd) {
    return IsMessageBox(hWnd) && (!caption || ReadWindowText(hWnd) == caption);
  });
}

HWND WaitForMessageBoxOf(DWORD processId, DWORD timeoutMs, const wchar_t* caption) {
  HWND box = nullptr;
  WaitFor([&] { return (box = FindMessageBoxOf(processId, caption)) != nullptr; }, timeoutMs);
  return box;
}

String ControlText(HWND dialog, int controlId) {
  HWND control = ::GetDlgItem(dialog, controlId);
  return control ? ReadWindowText(control) : String();
}

}  // namespace vl::test
