#pragma once
// The restore dialog's copying thread: one restore at a time on the real file system, its
// outcome posted to the dialog as a heap block that the dialog takes (and frees). Nothing is
// shared with the window while the copy runs, so the window never waits on a lock.
#include <windows.h>

#include <memory>
#include <thread>

#include "client/ui/logic/RestoreDialogView.h"

namespace vl {

struct RestoreOutcome;

class RestoreWorker : public IRestoreWorker {
 public:
  // window receives doneMessage with the outcome's address as lParam.
  RestoreWorker(HWND window, UINT doneMessage) : m_window(window), m_doneMessage(doneMessage) {}
  // Waits for a copy still under way: it writes to the user's files and must not be cut off.
  ~RestoreWorker() override;

  bool Start(RestoreJob job) override;

  // The outcome of a done message; the caller owns it from then on.
  static std::unique_ptr<RestoreOutcome> TakeOutcome(LPARAM lParam);

 private:
  void Run(const RestoreJob& job) const;

  HWND m_window;
  UINT m_doneMessage;
  std::thread m_thread;
};

}  // namespace vl
