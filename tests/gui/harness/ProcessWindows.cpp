#include "tests/gui/harness/ProcessWindows.h"

#include "tests/win32/WindowProbe.h"

namespace vl::test {
namespace {

// The message box's text control, on Windows and on Wine alike.
constexpr int kMessageBoxTextId = 0xFFFF;

struct ControlQuery {
  DWORD processId;
  int controlId;
  HWND found;
};

BOOL CALLBACK MatchWindowWithControl(HWND hWnd, LPARAM lParam) {
  auto* query = reinterpret_cast<ControlQuery*>(lParam);
  DWORD owner = 0;
  ::GetWindowThreadProcessId(hWnd, &owner);
  if (owner != query->processId || !::IsWindowVisible(hWnd)) return TRUE;
  if (!::GetDlgItem(hWnd, query->controlId)) return TRUE;
  query->found = hWnd;
  return FALSE;
}

}  // namespace

HWND FindWindowWithControl(DWORD processId, int controlId) {
  ControlQuery query{processId, controlId, nullptr};
  ::EnumWindows(&MatchWindowWithControl, reinterpret_cast<LPARAM>(&query));
  return query.found;
}

HWND WaitForWindowWithControl(DWORD processId, int controlId, DWORD timeoutMs) {
  HWND found = nullptr;
  WaitFor([&] { return (found = FindWindowWithControl(processId, controlId)) != nullptr; },
          timeoutMs);
  return found;
}

HWND FindMessageBoxOf(DWORD processId) {
  HWND box = FindWindowWithControl(processId, kMessageBoxTextId);
  wchar_t className[32] = {};
  if (box) ::GetClassNameW(box, className, 32);
  return box && String(className) == kDialogClass ? box : nullptr;
}

HWND WaitForMessageBoxOf(DWORD processId, DWORD timeoutMs) {
  HWND box = nullptr;
  WaitFor([&] { return (box = FindMessageBoxOf(processId)) != nullptr; }, timeoutMs);
  return box;
}

String ControlText(HWND dialog, int controlId) {
  HWND control = ::GetDlgItem(dialog, controlId);
  return control ? ReadWindowText(control) : String();
}

}  // namespace vl::test
