// What the backup worker does to the dialog. Progress goes through a mailbox that the window
// empties when it gets to it: a synchronous message per update would hold the worker for every
// repaint of the bar, the status line and the caption (about 11 ms a file under Wine, ten
// times the copy itself for small files). Disabling the list is synchronous, and the
// completion is posted behind the last progress wake-up. Nothing reaches a window that is
// going away (see WorkerSendGate).
#include "client/ui/DlgBackup.h"

#include <commctrl.h>

#include "resources/client/resource.h"

namespace vl {

void CDlgBackup::ShowPercent(int percent) {
  DeliverProgress(ProgressUpdate{percent, std::nullopt, std::nullopt});
}

void CDlgBackup::ShowStatus(const String& text) {
  DeliverProgress(ProgressUpdate{std::nullopt, text, std::nullopt});
}

void CDlgBackup::ShowCaption(const String& text) {
  DeliverProgress(ProgressUpdate{std::nullopt, std::nullopt, text});
}

// The dialog's own thread (the idle look after a run) shows it at once.
void CDlgBackup::DeliverProgress(ProgressUpdate update) {
  if (OnWindowThread())
    ShowProgress(update);
  else if (m_progress.Put(std::move(update)))
    ::PostMessageW(m_hRunWindow, kProgressMessage, 0, 0);
}

void CDlgBackup::EnableItemList(bool enable) {
  GatePass pass(m_sendGate);
  // EnableWindow sends WM_ENABLE to the list's thread and waits for it.
  if (pass) ::EnableWindow(::GetDlgItem(m_hRunWindow, IDC_BACKUP_LIST), enable ? TRUE : FALSE);
}

void CDlgBackup::PostBackupDone(RunCompletion code) {
  ::PostMessageW(m_hRunWindow, kBackupDoneMessage, static_cast<WPARAM>(code), 0);
}

bool CDlgBackup::OnWindowThread() const {
  return ::GetWindowThreadProcessId(m_hRunWindow, nullptr) == ::GetCurrentThreadId();
}

void CDlgBackup::ShowProgress(const ProgressUpdate& update) {
  if (update.percent)
    ::SendMessageW(Item(IDC_BACKUP_PROGRESS), PBM_SETPOS, static_cast<WPARAM>(*update.percent), 0);
  // The idle look empties the line; only the source line's own way repaints what it covered.
  if (update.status) ShowSourceLine(*update.status);
  if (update.caption) SetWindowText(*update.caption);
}

}  // namespace vl
