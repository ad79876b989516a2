#pragma once
// CFrameWnd: a top-level window. When it is the application's main window, destroying it ends
// the message loop.
#include "win32/framework/Wnd.h"

namespace vl {

class CFrameWnd : public CWnd {
 public:
  static constexpr const wchar_t* kClassName = L"VaultlineFrameWnd";

  // Creates the frame (not shown; the caller decides). iconId names an ICON resource of the
  // program for the window's big and small icons, 0 for none.
  bool Create(const String& title, DWORD style = WS_OVERLAPPEDWINDOW, UINT iconId = 0,
              CWnd* parent = nullptr);

 protected:
  void OnDestroy() override;
};

}  // namespace vl
