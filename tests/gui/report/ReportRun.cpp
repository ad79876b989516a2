#include "tests/gui/report/ReportRun.h"

#include <thread>

#include "client/ui/DlgSyncReport.h"
#include "tests/gui/harness/ProcessWindows.h"
#include "tests/win32/WindowProbe.h"

namespace vl::test {
namespace {

constexpr DWORD kOpenTimeoutMs = 10000;
constexpr DWORD kCloseTimeoutMs = 5000;
constexpr DWORD kPaintSettleMs = 400;

BOOL CALLBACK TakeDialog(HWND hWnd, LPARAM found) {
  wchar_t className[16] = {};
  ::GetClassNameW(hWnd, className, 16);
  if (String(className) != kDialogClass || !::IsWindowVisible(hWnd)) return TRUE;
  *reinterpret_cast<HWND*>(found) = hWnd;
  return FALSE;
}

void BringToFront(HWND dialog) {
  ::SetWindowPos(dialog, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  ::SetForegroundWindow(dialog);
  ::RedrawWindow(dialog, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  ::Sleep(kPaintSettleMs);
}

}  // namespace

HWND FindReportWindow(DWORD uiThread) {
  HWND found = nullptr;
  ::EnumThreadWindows(uiThread, &TakeDialog, reinterpret_cast<LPARAM>(&found));
  return found;
}

void ReportRun::Run(const WindowStep& inspect, const WindowStep& close) {
  m_modalReturned = 0;
  std::thread inspector(&ReportRun::Inspect, this, ::GetCurrentThreadId(), inspect, close);
  CDlgSyncReport dialog(nullptr);
  dialog.m_pStats = m_stats;
  dialog.m_pErrors = m_errors;
  m_result = dialog.DoModal();
  ::InterlockedExchange(&m_modalReturned, 1);
  inspector.join();
}

void ReportRun::Inspect(DWORD uiThread, const WindowStep& inspect, const WindowStep& close) {
  HWND dialog = nullptr;
  m_opened = WaitFor(
      [&] {
        dialog = FindReportWindow(uiThread);
        return dialog != nullptr || m_modalReturned != 0;
      },
      kOpenTimeoutMs) && dialog != nullptr;
  if (!m_opened) return;
  BringToFront(dialog);
  inspect(dialog);
  close(dialog);
  m_closedByTest = WaitFor([&] { return !::IsWindow(dialog); }, kCloseTimeoutMs);
  if (!m_closedByTest) ::PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
}

}  // namespace vl::test
