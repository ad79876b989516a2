#pragma once
// A stand-in for the backup dialog inside the frame-host test program: a hidden window whose
// "run active" answer the test sets with a message, and which reports in the debug trace what
// the frame asked of it.
#include "client/ui/IBackupDialog.h"
#include "win32/framework/Wnd.h"

namespace vl::test {

class FakeBackupDialog : public CWnd, public IBackupDialog {
 public:
  static constexpr const wchar_t* kCaption = L"Fake backup dialog";
  // wParam 1: a backup run is active from now on; 0: no run.
  static constexpr UINT kSetRunActive = WM_APP + 1;

  bool Create(CWnd& frame);

  bool IsRunActive() const override { return m_runActive; }
  void ShowBackupDialog() override;
  void StartAutomaticBackup() override;
  void StartSynchronizingBackup() override;
  void SetTargetLineColour(COLORREF colour) override;

 protected:
  bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

 private:
  bool m_runActive = false;
};

}  // namespace vl::test
