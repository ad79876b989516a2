#pragma once
// The client's main frame: never shown; it carries the program's commands and messages and
// ends the program when it is closed.
#include "win32/framework/FrameWnd.h"

namespace vl {

class CMainFrame : public CFrameWnd {
 public:
  static constexpr const wchar_t* kCaption = L"Vaultline MainFrame";

  // Creates the frame invisible, accepting files dropped from the shell.
  bool CreateHidden();

 protected:
  bool OnCommand(WPARAM wParam, LPARAM lParam) override;
};

}  // namespace vl
