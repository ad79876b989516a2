// The notification-area icon and the exit command, driven from outside as the shell and the
// user would: tray callback messages, menu commands and answers to message boxes.
#include <gtest/gtest.h>

#include "resources/client/resource.h"
#include "tests/gui/frame/FrameTestSupport.h"
#include "tests/gui/harness/MessageBoxes.h"
#include "tests/gui/harness/Screenshots.h"
#include "tests/gui/harness/Tray.h"
#include "tests/win32/WindowProbe.h"

namespace vl::test {
namespace {

class Tray : public ::testing::Test {
 protected:
  // Waits a moment and tells whether a popup menu of the program came up.
  static bool MenuAppears(GuiProgram& program, DWORD timeoutMs) {
    return program.WaitForMenu(timeoutMs) != nullptr;
  }

  static void CloseMenu(HWND frame) {
    // The menu's loop ends on a cancel-mode message to its owner, as when another window
    // takes the mouse.
    ::PostMessageW(frame, WM_CANCELMODE, 0, 0);
  }
};

TEST_F(Tray, RightClickOpensTheTrayMenu) {
  auto client = MakeClient();
  HWND frame = StartAndWaitForFrame(*client);
  ASSERT_NE(frame, nullptr) << client->OutputForFailure();
  PostTrayEvent(frame, WM_RBUTTONUP);
  HWND menu = client->WaitForMenu();
  ASSERT_NE(menu, nullptr) << client->OutputForFailure();
  SaveScreenshot(L"TrayMenu");
  CloseMenu(frame);
  EXPECT_TRUE(
      client->Process().WaitUntil([&] { return !IsWindowVisible(menu); }, kGuiStepTimeoutMs));
}

TEST_F(Tray, DoubleClickSendsTheOpenCommandToTheBackupDialog) {
  auto host = MakeFrameHost();
  HWND frame = StartAndWaitForFrame(*host);
  ASSERT_NE(frame, nullptr) << host->OutputForFailure();
  // The start-up sequence opened the dialog once already.
  ASSERT_TRUE(host->WaitForOutputCount(kTraceFakeShow, 1));
  const size_t opened = host->CountOutput(kTraceOpen);
  PostTrayEvent(frame, WM_LBUTTONDBLCLK);
  EXPECT_TRUE(host->WaitForOutputCount(kTraceOpen, opened + 1)) << host->OutputForFailure();
  EXPECT_TRUE(host->WaitForOutputCount(kTraceFakeShow, 2)) << host->OutputForFailure();
}

TEST_F(Tray, ClicksDoNothingWhileABackupRuns) {
  auto host = MakeFrameHost();
  HWND frame = StartAndWaitForFrame(*host);
  ASSERT_NE(frame, nullptr) << host->OutputForFailure();
  ASSERT_TRUE(SetRunActive(*host, true));
  const size_t opened = host->CountOutput(kTraceOpen);

  PostTrayEvent(frame, WM_RBUTTONUP);
  ASSERT_TRUE(host->WaitForOutputCount(kTraceSkippedByRun, 1)) << host->OutputForFailure();
  EXPECT_FALSE(MenuAppears(*host, kGuiQuietMs));

  PostTrayEvent(frame, WM_LBUTTONDBLCLK);
  ASSERT_TRUE(host->WaitForOutputCount(kTraceSkippedByRun, 2)) << host->OutputForFailure();
  ::Sleep(kGuiQuietMs);
  EXPECT_EQ(host->CountOutput(kTraceOpen), opened);
}

TEST_F(Tray, RightClickDoesNothingWhileTheExitQuestionIsOpen) {
  auto client = MakeClient();
  HWND frame = StartAndWaitForFrame(*client);
  ASSERT_NE(frame, nullptr) << client->OutputForFailure();
  ::PostMessageW(frame, WM_COMMAND, ID_TRAY_EXIT, 0);
  HWND box = client->WaitForMessageBox();
  ASSERT_NE(box, nullptr) << client->OutputForFailure();

  PostTrayEvent(frame, WM_RBUTTONUP);
  EXPECT_TRUE(client->WaitForOutputCount(kTraceSkippedByPopup, 1)) << client->OutputForFailure();
  EXPECT_FALSE(MenuAppears(*client, kGuiQuietMs));

  ASSERT_TRUE(PressMessageBoxButton(box, IDNO)) << Narrow(DescribeButtons(box));
  EXPECT_TRUE(client->Process().WaitUntil([&] { return !IsWindow(box); }, kGuiStepTimeoutMs));
  ::Sleep(kGuiQuietMs);
  EXPECT_FALSE(client->Process().HasExited());
}

TEST_F(Tray, ExitWhileABackupRunsShowsOnlyTheJobInProgressBox) {
  auto host = MakeFrameHost();
  HWND frame = StartAndWaitForFrame(*host);
  ASSERT_NE(frame, nullptr) << host->OutputForFailure();
  ASSERT_TRUE(SetRunActive(*host, true));

  ::PostMessageW(frame, WM_COMMAND, ID_TRAY_EXIT, 0);
  HWND box = host->WaitForMessageBox();
  ASSERT_NE(box, nullptr) << host->OutputForFailure();
  const String expected = ClientString(host->ExePath(), IDS_MSG_JOB_IN_PROGRESS);
  ASSERT_FALSE(expected.empty());
  EXPECT_EQ(ReadMessageBoxText(box), expected);
  EXPECT_EQ(GetDlgItem(box, IDYES), nullptr) << "a question, not a notice";
  SaveScreenshot(L"ExitWhileRunning", box);

  ASSERT_TRUE(PressMessageBoxButton(box, IDOK)) << Narrow(DescribeButtons(box));
  EXPECT_TRUE(host->Process().WaitUntil([&] { return !IsWindow(box); }, kGuiStepTimeoutMs));
  EXPECT_EQ(host->WaitForMessageBox(kGuiQuietMs), nullptr) << "no exit question follows";
  EXPECT_FALSE(host->Process().HasExited());
}

TEST_F(Tray, ConfirmedExitEndsTheClientAndRemovesTheIcon) {
  auto client = MakeClient();
  HWND frame = StartAndWaitForFrame(*client);
  ASSERT_NE(frame, nullptr) << client->OutputForFailure();
  EXPECT_TRUE(TrayIconPresent(frame));

  ::PostMessageW(frame, WM_COMMAND, ID_TRAY_EXIT, 0);
  HWND box = client->WaitForMessageBox();
  ASSERT_NE(box, nullptr) << client->OutputForFailure();
  EXPECT_EQ(ReadMessageBoxText(box), ClientString(client->ExePath(), IDS_ASK_EXIT));
  ASSERT_TRUE(PressMessageBoxButton(box, IDYES)) << Narrow(DescribeButtons(box));

  ASSERT_TRUE(client->Process().WaitForExit(kGuiStepTimeoutMs)) << client->OutputForFailure();
  EXPECT_EQ(client->Process().ExitCode(), 0u);
  EXPECT_TRUE(client->Process().HasOutput(kTraceIconRemoved));
  EXPECT_FALSE(TrayIconPresent(frame));
}

}  // namespace
}  // namespace vl::test
