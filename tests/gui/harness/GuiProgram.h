#pragma once
// A program under test started the way the GUI tests need it: a fresh copy in a temporary
// folder of its own, the client's debug trace on and collected, and waits for its windows.
// The process is ended by its id-bearing handle when the object goes (ChildProcess), so no
// test leaves a program behind.
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "tests/win32/ChildProcess.h"
#include "tests/win32/TempFolder.h"

namespace vl::test {

// Bounds of the waits: a start under Wine can take a few seconds on a busy machine.
constexpr DWORD kGuiStartTimeoutMs = 30000;
constexpr DWORD kGuiStepTimeoutMs = 10000;
// How long a test watches for something that must not happen.
constexpr DWORD kGuiQuietMs = 1500;

// ASCII of text for failure messages; anything else shows as '?'.
std::string Narrow(const String& text);

class GuiProgram {
 public:
  // builtUnixPath: the program as the build made it; fileName: the name of the copy.
  GuiProgram(const std::string& builtUnixPath, const String& fileName);

  bool Start(const std::vector<String>& args = {},
             const std::vector<std::pair<String, String>>& environment = {});

  ChildProcess& Process() { return *m_process; }
  const TempFolder& Folder() const { return m_folder; }
  const String& ExePath() const { return m_exePath; }

  // A top-level window of the program; null when none showed within timeoutMs.
  HWND WaitForWindow(const wchar_t* className, const wchar_t* caption,
                     DWORD timeoutMs = kGuiStepTimeoutMs);
  // A visible message box (caption: the application title "Vaultline"), never one of the
  // program's dialogs with the same class and caption.
  HWND WaitForMessageBox(DWORD timeoutMs = kGuiStepTimeoutMs);
  // A popup menu of the program (class "#32768").
  HWND WaitForMenu(DWORD timeoutMs = kGuiStepTimeoutMs);

  size_t CountOutput(const String& needle) const;
  // Waits until at least count debug lines contain needle.
  bool WaitForOutputCount(const String& needle, size_t count, DWORD timeoutMs = kGuiStepTimeoutMs);
  std::string OutputForFailure() const;

 private:
  TempFolder m_folder;
  String m_builtPath;
  String m_exePath;
  std::unique_ptr<ChildProcess> m_process;
};

}  // namespace vl::test
