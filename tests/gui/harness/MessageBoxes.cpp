#include "tests/gui/harness/MessageBoxes.h"

#include <string>

namespace vl::test {
namespace {

BOOL CALLBACK AppendButtonId(HWND child, LPARAM lParam) {
  wchar_t className[32] = {};
  ::GetClassNameW(child, className, 32);
  if (_wcsicmp(className, L"Button") == 0)
    *reinterpret_cast<String*>(lParam) += std::to_wstring(::GetDlgCtrlID(child)) + L" ";
  return TRUE;
}

}  // namespace

bool PressMessageBoxButton(HWND box, int buttonId) {
  HWND button = ::GetDlgItem(box, buttonId);
  if (!button) return false;
  return ::PostMessageW(button, BM_CLICK, 0, 0) != FALSE;
}

String DescribeButtons(HWND box) {
  String ids;
  ::EnumChildWindows(box, &AppendButtonId, reinterpret_cast<LPARAM>(&ids));
  return ids;
}

}  // namespace vl::test
