#include "client/cli/CtrlCancel.h"

#include <windows.h>

#include <atomic>

#include "client/engine/BackupRunner.h"

namespace vl {
namespace {

// The handler runs on a thread the system creates, so it finds the runner here.
std::atomic<CBackupRunner*> g_runner{nullptr};

BOOL WINAPI OnConsoleBreak(DWORD event) {
  if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT) return FALSE;
  CBackupRunner* runner = g_runner.load();
  if (runner != nullptr) runner->RequestCancel();
  return TRUE;
}

}  // namespace

CtrlCancel::CtrlCancel(CBackupRunner& runner) {
  g_runner = &runner;
  ::SetConsoleCtrlHandler(OnConsoleBreak, TRUE);
}

CtrlCancel::~CtrlCancel() {
  ::SetConsoleCtrlHandler(OnConsoleBreak, FALSE);
  g_runner = nullptr;
}

}  // namespace vl
