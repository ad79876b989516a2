#pragma once
// Answering a message box of another process by clicking one of its buttons.
#include <windows.h>

#include "core/base/String.h"

namespace vl::test {

// Clicks the box's button with this id (IDOK, IDYES, ...); false when it has none.
bool PressMessageBoxButton(HWND box, int buttonId);
// The ids of the box's push buttons, for failure messages ("1 6 7").
String DescribeButtons(HWND box);

}  // namespace vl::test
