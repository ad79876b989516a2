#pragma once
// The shell's folder browser opened by another process, driven as a person would: select a
// folder (BFFM_SETSELECTIONW with the path written into that process), read the status line
// the owner's callback fills in, press OK or Cancel.
#include <windows.h>

#include "core/base/String.h"

namespace vl::test {

// The browser's controls (the same on Windows and Wine).
constexpr int kBrowserTreeId = 0x3741;
constexpr int kBrowserTitleId = 0x3742;
constexpr int kBrowserStatusId = 0x3743;

class FolderBrowser {
 public:
  // Waits (bounded) for a browser of the process; Found() tells whether one came up.
  FolderBrowser(DWORD processId, DWORD timeoutMs);

  bool Found() const { return m_window != nullptr; }
  HWND Window() const { return m_window; }

  String Title() const;
  String StatusText() const;
  // Selects path in the tree; false when the browser did not take the message.
  bool Select(const String& path);
  // Selects path again and again until the status line shows it, and returns the status
  // line then: path, or the folder the browser stayed at. Wine's browser does not always find
  // a folder made a moment ago (it may stop at a folder on the way, or at the Desktop), so
  // tests take the folder the browser reports as the one the person chose.
  String SelectFolder(const String& path, DWORD timeoutMs);
  // True once the browser has gone.
  bool PressOk(DWORD timeoutMs);
  bool PressCancel(DWORD timeoutMs);

 private:
  bool Press(int buttonId, DWORD timeoutMs);

  DWORD m_processId;
  HWND m_window = nullptr;
};

}  // namespace vl::test
