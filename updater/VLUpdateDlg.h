#pragma once
// CVLUpdateDlg: the updater's one window. It shows the steps, runs the check and the download on
// a worker thread, puts the downloaded files in place on its own thread and removes the working
// folder when it opens and when it closes.
#include <optional>
#include <thread>

#include "updater/logic/PauseGate.h"
#include "updater/logic/UpdateCheck.h"
#include "win32/framework/Dialog.h"

namespace vl::updater {

class CVLUpdateDlg : public CDialog {
 public:
  static constexpr const wchar_t* kTitle = L"Vaultline Update";
  static constexpr UINT_PTR kStartTimer = 1;
  static constexpr UINT kStartDelayMs = 500;

  explicit CVLUpdateDlg(const CheckRequest& request);
  ~CVLUpdateDlg() override;

 protected:
  bool OnInitDialog() override;
  // Enter does nothing: no step of the update may start or end by accident.
  void OnOK() override {}
  void OnCancel() override;
  void OnTimer(UINT_PTR id) override;
  bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

 private:
  void StartWorker();
  int AskToUpdate();
  void OnWorkerDone(bool downloaded);
  void PutInPlace();
  void Close(int result);
  int Ask(UINT textId);

  CheckRequest m_request;
  UpdateQueue m_queue;
  PauseGate m_gate;
  std::thread m_hThread;
  // A question is open; the worker's end waits for it to be answered.
  bool m_bAsking = false;
  std::optional<bool> m_pendingDone;
};

}  // namespace vl::updater
