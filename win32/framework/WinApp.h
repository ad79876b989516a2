#pragma once
// CWinAppBase: the application object. The program defines exactly one global instance of a
// derived class, and its wWinMain returns AfxWinMain: InitInstance, then Run (the message loop)
// when InitInstance succeeded, and ExitInstance in either case.
#include <windows.h>

#include <vector>

#include "core/base/String.h"

namespace vl {

class CWnd;

class CWinAppBase {
 public:
  // Exit code of a program whose InitInstance refused to start.
  static constexpr int kInitFailedExitCode = 1;

  // appName is the title of the program's message boxes.
  explicit CWinAppBase(const wchar_t* appName);
  virtual ~CWinAppBase();
  CWinAppBase(const CWinAppBase&) = delete;
  CWinAppBase& operator=(const CWinAppBase&) = delete;

  // Return false to end the program at once (ExitInstance still runs).
  virtual bool InitInstance() { return true; }
  // The program's exit code; the base returns the code of WM_QUIT (or of a refused start).
  virtual int ExitInstance() { return m_nExitCode; }
  // The message loop; returns when WM_QUIT arrives.
  virtual int Run();
  // Offers msg to the CWnd objects from its target window up to the top-level window.
  virtual bool PreTranslateMessage(MSG& msg);

  // The whole start-to-end sequence, as wWinMain calls it.
  int WinMain(HINSTANCE instance, int showCommand);

  // The command-line arguments after the program name, split by the system's rules.
  const std::vector<String>& GetArgs() const { return m_args; }

  const wchar_t* m_pszAppName;
  HINSTANCE m_hInstance = nullptr;
  int m_nCmdShow = SW_SHOWNORMAL;
  CWnd* m_pMainWnd = nullptr;

 protected:
  int m_nExitCode = 0;

 private:
  std::vector<String> m_args;
};

// The one application object, or null before it is constructed.
CWinAppBase* AfxGetApp();
// Runs the global application object; the program's wWinMain returns its result.
int AfxWinMain(HINSTANCE instance, int showCommand);
// The module that holds the program's resources.
HINSTANCE AfxGetInstanceHandle();

// Splits a command line as the system does for argv, dropping the program name.
std::vector<String> SplitCommandLine(const wchar_t* commandLine);

}  // namespace vl
