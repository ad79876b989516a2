// The thin application framework: message dispatch, frames, dialogs, message boxes.
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <thread>

#include "tests/win32/TestResources.h"
#include "tests/win32/WindowProbe.h"
#include "win32/framework/Dialog.h"
#include "win32/framework/FrameWnd.h"
#include "win32/framework/MessageBox.h"
#include "win32/framework/WinApp.h"

namespace vl {
namespace {

class RecordingFrame : public CFrameWnd {
 public:
  int created = 0;
  int destroyed = 0;
  int afterLastMessage = 0;
  UINT lastCommand = 0;
  UINT_PTR lastTimer = 0;

 protected:
  int OnCreate(CREATESTRUCTW* createStruct) override {
    ++created;
    return CFrameWnd::OnCreate(createStruct);
  }
  void OnDestroy() override {
    ++destroyed;
    CFrameWnd::OnDestroy();
  }
  bool OnCommand(WPARAM wParam, LPARAM lParam) override {
    if (LOWORD(wParam) != 42) return CFrameWnd::OnCommand(wParam, lParam);
    lastCommand = LOWORD(wParam);
    return true;
  }
  void OnTimer(UINT_PTR id) override { lastTimer = id; }
  void PostNcDestroy() override { ++afterLastMessage; }
};

TEST(Framework, FrameIsCreatedHiddenAndFoundAgainFromItsHandle) {
  RecordingFrame frame;
  ASSERT_TRUE(frame.Create(L"Framework frame"));
  EXPECT_EQ(frame.created, 1);
  EXPECT_FALSE(frame.IsWindowVisible());
  EXPECT_EQ(CWnd::FromHandlePermanent(frame.m_hWnd), &frame);
  EXPECT_EQ(frame.GetWindowText(), L"Framework frame");
  frame.DestroyWindow();
}

TEST(Framework, MessagesReachTheirHandlers) {
  RecordingFrame frame;
  ASSERT_TRUE(frame.Create(L"Dispatch"));
  frame.SendMessage(WM_COMMAND, MAKEWPARAM(42, 0), 0);
  frame.SendMessage(WM_TIMER, 7, 0);
  EXPECT_EQ(frame.lastCommand, 42u);
  EXPECT_EQ(frame.lastTimer, 7u);
  frame.DestroyWindow();
}

TEST(Framework, CloseDestroysAndDetaches) {
  RecordingFrame frame;
  ASSERT_TRUE(frame.Create(L"Closing"));
  HWND hWnd = frame.m_hWnd;
  frame.SendMessage(WM_CLOSE);
  EXPECT_FALSE(IsWindow(hWnd));
  EXPECT_EQ(frame.m_hWnd, nullptr);
  EXPECT_EQ(frame.destroyed, 1);
  EXPECT_EQ(frame.afterLastMessage, 1);
}

TEST(Framework, ClosingTheMainWindowEndsTheMessageLoop) {
  CWinAppBase app(L"Framework test");
  RecordingFrame frame;
  ASSERT_TRUE(frame.Create(L"Main"));
  app.m_pMainWnd = &frame;
  frame.PostMessage(WM_CLOSE);
  EXPECT_EQ(app.Run(), 0);
  EXPECT_EQ(app.m_pMainWnd, nullptr);
  EXPECT_EQ(frame.m_hWnd, nullptr);
}

class AutoClosingDialog : public CDialog {
 public:
  explicit AutoClosingDialog(UINT command) : CDialog(IDD_TEST_DIALOG), m_command(command) {}
  bool initialised = false;

 protected:
  bool OnInitDialog() override {
    initialised = true;
    PostMessage(WM_COMMAND, MAKEWPARAM(m_command, BN_CLICKED), 0);
    return CDialog::OnInitDialog();
  }

 private:
  UINT m_command;
};

TEST(Framework, ModalDialogEndsWithTheButtonPressed) {
  AutoClosingDialog ok(IDOK);
  EXPECT_EQ(ok.DoModal(), IDOK);
  EXPECT_TRUE(ok.initialised);
  EXPECT_EQ(ok.m_hWnd, nullptr);
  AutoClosingDialog cancel(IDCANCEL);
  EXPECT_EQ(cancel.DoModal(), IDCANCEL);
}

TEST(Framework, MissingDialogTemplateFailsModal) {
  CDialog missing(4321);
  EXPECT_EQ(missing.DoModal(), -1);
}

TEST(Framework, ModelessDialogIsDestroyedByCancel) {
  CDialog dialog(IDD_TEST_DIALOG);
  ASSERT_TRUE(dialog.Create());
  EXPECT_NE(dialog.GetDlgItem(IDC_TEST_LABEL), nullptr);
  dialog.SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
  EXPECT_EQ(dialog.m_hWnd, nullptr);
}

TEST(Framework, MessageBoxIconDefaultsFollowTheButtons) {
  EXPECT_EQ(WithDefaultIcon(MB_OK), static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION));
  EXPECT_EQ(WithDefaultIcon(MB_YESNO), static_cast<UINT>(MB_YESNO | MB_ICONQUESTION));
  EXPECT_EQ(WithDefaultIcon(MB_OK | MB_ICONSTOP), static_cast<UINT>(MB_OK | MB_ICONSTOP));
}

TEST(Framework, MessageBoxHasTheApplicationTitle) {
  CWinAppBase app(L"Vaultline");
  std::atomic<bool> answered{false};
  std::atomic<bool> textSeen{false};
  std::thread answer([&] {
    for (int i = 0; i < 200 && !answered; ++i) {
      HWND box = test::FindProcessWindow(GetCurrentProcessId(), test::kDialogClass, L"Vaultline");
      if (box) {
        textSeen = test::ReadMessageBoxText(box).find(L"Hello box") != String::npos;
        PostMessageW(box, WM_COMMAND, IDOK, 0);
        answered = true;
      }
      Sleep(50);
    }
  });
  const int pressed = AfxMessageBox(L"Hello box");
  answer.join();
  EXPECT_TRUE(answered);
  EXPECT_TRUE(textSeen);
  EXPECT_EQ(pressed, IDOK);
}

}  // namespace
}  // namespace vl
