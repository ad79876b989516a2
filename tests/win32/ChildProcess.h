#pragma once
// Starts a program under test and, when asked, acts as its debugger to collect what it writes
// with OutputDebugString (the client's debug trace). Every wait is bounded.
//
// A debugged process stops whenever it reports a debug event until its debugger answers. The
// debugger here runs on a thread of its own (the thread that starts a debugged process is its
// debugger), so the test's thread can talk to the child's windows at any time without
// stalling it.
#include <windows.h>

#include <atomic>
#include <functional>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

#include "core/base/String.h"
#include "win32/handles/KernelHandle.h"

namespace vl::test {

struct LaunchOptions {
  String exePath;
  std::vector<String> args;
  String workingFolder;  // empty: the test's own
  // Variables set for the child on top of the test's environment.
  std::vector<std::pair<String, String>> environment;
  // Collect OutputDebugString output by debugging the child.
  bool debug = true;
};

class ChildProcess {
 public:
  ChildProcess() = default;
  // A child still running is killed, so no test leaves a program behind.
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  // false with GetLastError when CreateProcessW refused.
  bool Start(const LaunchOptions& options);

  DWORD Id() const { return m_processId; }
  bool HasExited() const;
  // Valid once HasExited().
  DWORD ExitCode() const;

  // Polls done() until it holds, the child has ended or timeoutMs passed; returns the last
  // value of done().
  bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs) const;
  bool WaitForExit(DWORD timeoutMs) const;
  // Waits for a debug output line containing needle.
  bool WaitForOutput(const String& needle, DWORD timeoutMs) const;

  bool HasOutput(const String& needle) const;
  std::vector<String> Output() const;
  // All output in one text, for failure messages.
  String OutputText() const;

  // Ends the child at once and waits (bounded) until it is gone.
  void Kill();
  // Stops debugging; the child keeps running after the test ends.
  bool Detach();

 private:
  // The debugger thread: creates the process, then serves its events until it ends.
  void DebugLoop();
  bool CreateChild(const LaunchOptions& options, DWORD flags);
  void OnDebugEvent(const DEBUG_EVENT& event, DWORD& continueStatus);
  void OnException(const EXCEPTION_DEBUG_INFO& info, DWORD& continueStatus);
  void OnDebugString(const OUTPUT_DEBUG_STRING_INFO& info);
  void StopDebugger();

  win32::KernelHandle m_process;
  DWORD m_processId = 0;
  std::thread m_debugger;
  std::atomic<bool> m_detach{false};
  bool m_sawInitialBreakpoint = false;
  mutable std::mutex m_outputLock;
  std::vector<String> m_output;
};

// The environment of this process with the given variables set, as a CreateProcessW block.
std::vector<wchar_t> MakeEnvironmentBlock(
    const std::vector<std::pair<String, String>>& variables);

// A command line with every argument quoted where needed.
String MakeCommandLine(const String& exePath, const std::vector<String>& args);

}  // namespace vl::test
