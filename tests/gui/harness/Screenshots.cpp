#include "tests/gui/harness/Screenshots.h"

#include <gtest/gtest.h>

#include "client/model/PathJoin.h"
#include "tests/gui/harness/Capture.h"

namespace vl::test {
namespace {

String Widen(const std::string& text) { return String(text.begin(), text.end()); }

// Taken at the first failed assertion of a test, while its windows are still on screen (by the
// end of the test its fixture has closed them).
class FailureScreenshots : public ::testing::EmptyTestEventListener {
  void OnTestStart(const ::testing::TestInfo& info) override {
    m_name = Widen(std::string(info.test_suite_name()) + "." + info.name());
    m_taken = false;
  }
  void OnTestPartResult(const ::testing::TestPartResult& result) override {
    if (!result.failed() || m_taken) return;
    m_taken = true;
    const String path = SaveScreenshot(m_name);
    std::printf("screenshot of the failure: %ls\n", path.c_str());
  }

  String m_name;
  bool m_taken = false;
};

}  // namespace

String ScreenshotFolder() {
  wchar_t folder[MAX_PATH] = {};
  const DWORD length = ::GetEnvironmentVariableW(L"VL_GUI_SCREENSHOT_DIR", folder, MAX_PATH);
  const String chosen = length > 0 && length < MAX_PATH ? String(folder) : String(L"screenshots");
  ::CreateDirectoryW(chosen.c_str(), nullptr);
  return chosen;
}

String SaveScreenshot(const String& name, HWND hWnd) {
  const Image image = hWnd ? CaptureWindow(hWnd) : CaptureWholeScreen();
  const String path = model::JoinPath(ScreenshotFolder(), name + L".png");
  return SavePng(image, path) ? path : String();
}

void SaveScreenshotsOnFailure() {
  ::testing::UnitTest::GetInstance()->listeners().Append(new FailureScreenshots);
}

}  // namespace vl::test
