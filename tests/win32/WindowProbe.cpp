#include "tests/win32/WindowProbe.h"

#include <cwchar>
#include <vector>

namespace vl::test {
namespace {

constexpr UINT kMessageTimeoutMs = 2000;
// The message box's text control, on Windows and on Wine alike.
constexpr int kMessageBoxTextId = 0xFFFF;

struct WindowQuery {
  DWORD processId;
  const wchar_t* className;
  const wchar_t* caption;
  HWND found;
};

bool ClassIs(HWND hWnd, const wchar_t* className) {
  wchar_t actual[256] = {};
  GetClassNameW(hWnd, actual, 256);
  return _wcsicmp(actual, className) == 0;
}

BOOL CALLBACK MatchTopLevel(HWND hWnd, LPARAM lParam) {
  auto* query = reinterpret_cast<WindowQuery*>(lParam);
  DWORD owner = 0;
  GetWindowThreadProcessId(hWnd, &owner);
  if (owner != query->processId) return TRUE;
  if (query->className && !ClassIs(hWnd, query->className)) return TRUE;
  if (query->caption && ReadWindowText(hWnd) != query->caption) return TRUE;
  query->found = hWnd;
  return FALSE;
}

struct ChildTexts {
  std::vector<HWND> statics;
  std::vector<String> texts;
  String description;
};

BOOL CALLBACK CollectChild(HWND hWnd, LPARAM lParam) {
  auto* children = reinterpret_cast<ChildTexts*>(lParam);
  children->texts.push_back(ReadWindowText(hWnd));
  wchar_t className[256] = {};
  GetClassNameW(hWnd, className, 256);
  children->description += String(className) + L": " + children->texts.back() + L"\n";
  if (ClassIs(hWnd, L"Static")) children->statics.push_back(hWnd);
  return TRUE;
}

}  // namespace

HWND FindProcessWindow(DWORD processId, const wchar_t* className, const wchar_t* caption) {
  WindowQuery query{processId, className, caption, nullptr};
  EnumWindows(&MatchTopLevel, reinterpret_cast<LPARAM>(&query));
  return query.found;
}

String ReadWindowText(HWND hWnd) {
  wchar_t buffer[4096] = {};
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutW(hWnd, WM_GETTEXT, 4096, reinterpret_cast<LPARAM>(buffer),
                           SMTO_ABORTIFHUNG, kMessageTimeoutMs, &copied))
    return String();
  return String(buffer, wcsnlen(buffer, 4096));
}

String ReadMessageBoxText(HWND box) {
  if (HWND text = GetDlgItem(box, kMessageBoxTextId)) return ReadWindowText(text);
  ChildTexts children;
  EnumChildWindows(box, &CollectChild, reinterpret_cast<LPARAM>(&children));
  String joined;
  for (HWND label : children.statics) joined += ReadWindowText(label) + L"\n";
  return joined;
}

bool HasChildWithText(HWND parent, const String& text) {
  ChildTexts children;
  EnumChildWindows(parent, &CollectChild, reinterpret_cast<LPARAM>(&children));
  for (const String& childText : children.texts) {
    if (childText == text) return true;
  }
  return false;
}

String DescribeChildren(HWND parent) {
  ChildTexts children;
  EnumChildWindows(parent, &CollectChild, reinterpret_cast<LPARAM>(&children));
  return children.description;
}

}  // namespace vl::test
