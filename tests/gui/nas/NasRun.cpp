#include "tests/gui/nas/NasRun.h"

#include <thread>

#include "client/platform/NetworkWin32.h"
#include "client/ui/DlgNAS.h"
#include "resources/client/resource.h"
#include "tests/gui/harness/MessageBoxes.h"
#include "tests/gui/harness/ProcessWindows.h"
#include "tests/win32/WindowProbe.h"

namespace vl::test {
namespace {

constexpr DWORD kOpenTimeoutMs = 10000;
constexpr DWORD kCloseTimeoutMs = 10000;
constexpr DWORD kBoxTimeoutMs = 10000;
constexpr DWORD kPaintSettleMs = 400;

BOOL CALLBACK TakeDialog(HWND hWnd, LPARAM found) {
  if (!::IsWindowVisible(hWnd) || !::GetDlgItem(hWnd, IDC_NAS_ADDRESS)) return TRUE;
  *reinterpret_cast<HWND*>(found) = hWnd;
  return FALSE;
}

}  // namespace

void NasRun::Run(const WindowAction& action) {
  m_modalReturned = 0;
  std::thread driver(&NasRun::Drive, this, ::GetCurrentThreadId(), action);
  NetworkWin32 net;
  NasDialogInput input;
  input.settings = &settings;
  input.drive = &drive;
  input.address = &address;
  input.net = &net;
  input.saveSet = [this] { return ++saves > 0; };
  CDlgNAS dialog(nullptr, input);
  m_result = dialog.DoModal();
  ::InterlockedExchange(&m_modalReturned, 1);
  driver.join();
}

void NasRun::Drive(DWORD uiThread, const WindowAction& action) {
  HWND dialog = nullptr;
  m_opened = WaitFor(
      [&] {
        ::EnumThreadWindows(uiThread, &TakeDialog, reinterpret_cast<LPARAM>(&dialog));
        return dialog != nullptr || m_modalReturned != 0;
      },
      kOpenTimeoutMs) && dialog != nullptr;
  if (!m_opened) return;
  ::SetWindowPos(dialog, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  ::SetForegroundWindow(dialog);
  ::Sleep(kPaintSettleMs);
  action(dialog);
  m_closedByTest = WaitFor([&] { return !::IsWindow(dialog); }, kCloseTimeoutMs);
  if (!m_closedByTest) ::PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
}

String AnswerMessageBox(int button) {
  HWND box = WaitForMessageBoxOf(::GetCurrentProcessId(), kBoxTimeoutMs);
  if (!box) return String();
  const String text = ReadMessageBoxText(box);
  PressMessageBoxButton(box, button);
  WaitFor([&] { return !::IsWindow(box); }, kBoxTimeoutMs);
  return text;
}

}  // namespace vl::test
