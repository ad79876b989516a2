#include "tests/gui/frame/FakeBackupDialog.h"

#include "client/app/VaultlineApp.h"

namespace vl::test {

bool FakeBackupDialog::Create(CWnd& frame) {
  const wchar_t* className = L"VaultlineFakeBackupDialog";
  return RegisterWindowClass(className) &&
         CreateEx(0, className, kCaption, WS_POPUP, 0, 0, 10, 10, frame.m_hWnd, nullptr);
}

void FakeBackupDialog::ShowBackupDialog() {
  GetVaultlineApp()->DebugTrace(L"[FAKEDLG] show\n");
}

void FakeBackupDialog::StartAutomaticBackup() {
  GetVaultlineApp()->DebugTrace(L"[FAKEDLG] automatic start\n");
}

void FakeBackupDialog::StartSynchronizingBackup() {
  GetVaultlineApp()->DebugTrace(L"[FAKEDLG] automatic synchronizing start\n");
}

void FakeBackupDialog::SetTargetLineColour(COLORREF colour) {
  GetVaultlineApp()->DebugTrace(L"[FAKEDLG] target colour %06lX\n", colour);
}

bool FakeBackupDialog::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  if (message != kSetRunActive) return CWnd::OnWndMsg(message, wParam, lParam, result);
  m_runActive = wParam != 0;
  GetVaultlineApp()->DebugTrace(L"[FAKEDLG] run active %d\n", m_runActive ? 1 : 0);
  *result = 1;
  return true;
}

}  // namespace vl::test
