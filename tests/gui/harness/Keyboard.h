#pragma once
// Real key presses through the system's input queue; they reach the window that has the focus.
#include <windows.h>

namespace vl::test {

// Presses and releases the key with this virtual-key code.
bool PressKey(WORD virtualKey);

}  // namespace vl::test
