// What the backup worker does to the dialog. Everything is a synchronous message, so the
// progress shows in the order the run produced it; the completion is posted. Nothing reaches
// a window that is going away (see WorkerSendGate).
#include "client/ui/DlgBackup.h"

#include <commctrl.h>

#include "resources/client/resource.h"

namespace vl {

void CDlgBackup::ShowPercent(int percent) {
  SendToControl(IDC_BACKUP_PROGRESS, PBM_SETPOS, static_cast<WPARAM>(percent), 0);
}

void CDlgBackup::ShowStatus(const String& text) {
  SendToControl(IDC_BACKUP_SOURCE_LINE, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void CDlgBackup::ShowCaption(const String& text) {
  GatePass pass(m_sendGate);
  if (pass) ::SendMessageW(m_hRunWindow, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void CDlgBackup::EnableItemList(bool enable) {
  GatePass pass(m_sendGate);
  // EnableWindow sends WM_ENABLE to the list's thread and waits, like the sends above.
  if (pass) ::EnableWindow(::GetDlgItem(m_hRunWindow, IDC_BACKUP_LIST), enable ? TRUE : FALSE);
}

void CDlgBackup::PostBackupDone(RunCompletion code) {
  GatePass pass(m_sendGate);
  if (pass) ::PostMessageW(m_hRunWindow, kBackupDoneMessage, static_cast<WPARAM>(code), 0);
}

void CDlgBackup::SendToControl(int id, UINT message, WPARAM wParam, LPARAM lParam) {
  GatePass pass(m_sendGate);
  if (pass) ::SendMessageW(::GetDlgItem(m_hRunWindow, id), message, wParam, lParam);
}

}  // namespace vl
