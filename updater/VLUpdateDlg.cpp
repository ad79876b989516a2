#include "updater/VLUpdateDlg.h"

#include <commctrl.h>

#include <utility>

#include "resources/updater/resource.h"
#include "updater/DialogView.h"
#include "updater/FilePlacer.h"
#include "updater/FolderTree.h"
#include "updater/UpdateMessages.h"
#include "updater/UpdateWorker.h"
#include "updater/logic/PutInPlace.h"
#include "win32/ResString.h"
#include "win32/framework/MessageBox.h"

namespace vl::updater {
namespace {

void ResetProgress(HWND dialog) {
  ::SendDlgItemMessageW(dialog, IDC_UPDATE_PROGRESS, PBM_SETRANGE32, 0, 100);
  ::SendDlgItemMessageW(dialog, IDC_UPDATE_PROGRESS, PBM_SETPOS, 0, 0);
}

}  // namespace

CVLUpdateDlg::CVLUpdateDlg(const CheckRequest& request)
    : CDialog(IDD_VLUPDATE), m_request(request) {}

CVLUpdateDlg::~CVLUpdateDlg() {
  // The dialog ends only after the worker did; should it ever not, the worker is told to stop
  // rather than left running against a window that is gone.
  if (!m_hThread.joinable()) return;
  m_gate.Cancel();
  m_gate.Resume();
  m_hThread.join();
}

bool CVLUpdateDlg::OnInitDialog() {
  SetWindowText(kTitle);
  ::SetDlgItemTextW(m_hWnd, IDC_UPDATE_STATUS, LoadResString(IDS_STATUS_CONFIRMING).c_str());
  ResetProgress(m_hWnd);
  RemoveFolderTree(m_request.folders.work);
  SetTimer(kStartTimer, kStartDelayMs);
  return true;
}

void CVLUpdateDlg::OnTimer(UINT_PTR id) {
  if (id != kStartTimer) return;
  KillTimer(kStartTimer);
  if (!m_hThread.joinable()) StartWorker();
}

void CVLUpdateDlg::StartWorker() {
  ResetProgress(m_hWnd);
  m_gate.Reset();
  m_queue = UpdateQueue();
  m_hThread = std::thread(&RunUpdateWorker, m_hWnd, std::cref(m_request), std::ref(m_queue),
                          std::ref(m_gate));
}

bool CVLUpdateDlg::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  if (message == kMsgAskToUpdate) {
    *result = AskToUpdate();
    return true;
  }
  if (message == kMsgWorkerDone) {
    OnWorkerDone(wParam == 1);
    *result = 0;
    return true;
  }
  return CDialog::OnWndMsg(message, wParam, lParam, result);
}

int CVLUpdateDlg::AskToUpdate() {
  // The user is already being asked whether to cancel (the two questions crossed): that is
  // taken for a no to updating.
  if (m_bAsking) return IDNO;
  return Ask(IDS_ASK_UPDATE);
}

void CVLUpdateDlg::OnCancel() {
  if (!m_hThread.joinable()) {
    KillTimer(kStartTimer);
    Close(IDCANCEL);
    return;
  }
  if (m_bAsking) return;
  m_gate.Pause();
  if (Ask(IDS_ASK_CANCEL_UPDATE) == IDYES) m_gate.Cancel();
  m_gate.Resume();
  if (m_pendingDone) OnWorkerDone(*std::exchange(m_pendingDone, std::nullopt));
}

int CVLUpdateDlg::Ask(UINT textId) {
  m_bAsking = true;
  const int answer = AfxMessageBox(m_hWnd, LoadResString(textId), MB_YESNO | MB_ICONQUESTION);
  m_bAsking = false;
  return answer;
}

void CVLUpdateDlg::OnWorkerDone(bool downloaded) {
  // A message box's own loop delivers the worker's word; the dialog acts on it only once the
  // box is answered, never from inside it.
  if (m_bAsking) {
    m_pendingDone = downloaded;
    return;
  }
  if (m_hThread.joinable()) m_hThread.join();
  if (downloaded) PutInPlace();
  Close(IDOK);
}

void CVLUpdateDlg::PutInPlace() {
  CFilePlacer placer;
  CDialogView view(m_hWnd, m_gate);
  PutFilesInPlace(m_queue, m_request.folders, placer, view);
}

void CVLUpdateDlg::Close(int result) {
  RemoveFolderTree(m_request.folders.work);
  EndDialog(result);
}

}  // namespace vl::updater
