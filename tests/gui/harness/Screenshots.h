#pragma once
// Where screenshots go, and taking them on request and when a test fails. The folder is
// VL_GUI_SCREENSHOT_DIR when set (a Windows path), else "screenshots" in the working folder
// (CTest runs each test in its build folder).
#include <windows.h>

#include "core/base/String.h"

namespace vl::test {

String ScreenshotFolder();
// Saves the window as seen on screen (or the whole screen for a null window) as name.png;
// the path written, or empty on failure.
String SaveScreenshot(const String& name, HWND hWnd = nullptr);
// Adds a listener that saves the whole screen as <suite>.<test>.png when a test fails. Called
// once from a GUI test program's main.
void SaveScreenshotsOnFailure();

}  // namespace vl::test
