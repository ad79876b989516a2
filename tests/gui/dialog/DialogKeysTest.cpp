// Closing and showing the dialog: Esc hides it like the close button, Enter does nothing, and
// the tray icon's double-click brings it back.
#include <gtest/gtest.h>

#include "tests/gui/dialog/DialogStory.h"
#include "tests/gui/harness/Keyboard.h"
#include "tests/gui/harness/Tray.h"

namespace vl::test {
namespace {

class DialogKeys : public DialogStory {
 protected:
  // A click on the dialog's own background gives it the keyboard.
  void Focus() {
    ASSERT_TRUE(ClickClientPoint(m_client.Dialog(), POINT{200, 40}));
    ASSERT_TRUE(WaitFor([&] { return ::GetForegroundWindow() == m_client.Dialog(); },
                        kGuiStepTimeoutMs));
  }

  bool Hidden() {
    return WaitFor([&] { return !::IsWindowVisible(m_client.Dialog()); }, kGuiStepTimeoutMs);
  }

  void ShowFromTray() {
    HWND frame = m_client.Program().WaitForWindow(nullptr, L"Vaultline MainFrame");
    ASSERT_NE(frame, nullptr);
    PostTrayEvent(frame, WM_LBUTTONDBLCLK);
    ASSERT_TRUE(WaitFor([&] { return ::IsWindowVisible(m_client.Dialog()) != FALSE; },
                        kGuiStepTimeoutMs));
  }
};

TEST_F(DialogKeys, EnterDoesNothingAndEscHidesLikeTheCloseButton) {
  const String photos = MakePhotos();
  ASSERT_NO_FATAL_FAILURE(StartWithSet({photos}));
  ASSERT_NO_FATAL_FAILURE(Focus());

  ASSERT_TRUE(PressKey(VK_RETURN));
  EXPECT_TRUE(m_client.NoBoxWithin());
  EXPECT_TRUE(::IsWindowVisible(m_client.Dialog()));
  EXPECT_EQ(m_client.CountTrace(kTraceRunStarted), 0u);

  ASSERT_TRUE(PressKey(VK_ESCAPE));
  EXPECT_TRUE(Hidden());
  EXPECT_FALSE(m_client.Program().Process().HasExited());

  ASSERT_NO_FATAL_FAILURE(ShowFromTray());
  ASSERT_TRUE(m_client.Click(IDC_BACKUP_CLOSE));
  EXPECT_TRUE(Hidden());
  ASSERT_NO_FATAL_FAILURE(ShowFromTray());
  EXPECT_EQ(m_client.ItemCount(), 1);
}

}  // namespace
}  // namespace vl::test
