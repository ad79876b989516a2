// Runs VLUpdate.exe for the end-to-end test and plays the user: it answers each message box by
// its text, can press Cancel once the status line shows a given text, and can hold a file open
// for as long as the program runs the way a running program's file is held: others may read
// and start it, nobody may replace or delete it. Everything it saw goes to stdout (UTF-8):
//
//   box TEXT -> yes|no     a message box and the button pressed (No for a text not named)
//   cancel STATUS          Cancel pressed while the status line read STATUS
//   trace LINE             a line of the program's debug trace
//   exit CODE | timeout    how the program ended (killed after the time-out)
//
//   updater_test_driver [--yes TEXT]... [--no TEXT]... [--cancel-at TEXT] [--lock FILE]
//                       [--timeout SECONDS] PROGRAM [ARGS...]
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <map>
#include <string>

#include "core/text/Utf.h"
#include "resources/updater/resource.h"
#include "tests/gui/harness/MessageBoxes.h"
#include "tests/gui/harness/ProcessWindows.h"
#include "tests/win32/ChildProcess.h"
#include "tests/win32/WindowProbe.h"
#include "win32/handles/FileHandle.h"

namespace {

using vl::String;

struct Script {
  std::map<String, int> answers;
  String cancelAt;
  String lockPath;
  DWORD timeoutMs = 120000;
  vl::test::LaunchOptions launch;
};

void Say(const String& line) {
  std::fputs((vl::ToUtf8(line) + "\n").c_str(), stdout);
  std::fflush(stdout);
}

bool ReadScript(int argc, wchar_t** argv, Script& script) {
  int i = 1;
  for (; i + 1 < argc && argv[i][0] == L'-'; i += 2) {
    const String option = argv[i];
    if (option == L"--yes" || option == L"--no")
      script.answers[argv[i + 1]] = option == L"--yes" ? IDYES : IDNO;
    else if (option == L"--cancel-at")
      script.cancelAt = argv[i + 1];
    else if (option == L"--lock")
      script.lockPath = argv[i + 1];
    else if (option == L"--timeout")
      script.timeoutMs = static_cast<DWORD>(std::wcstoul(argv[i + 1], nullptr, 10) * 1000);
    else
      return false;
  }
  if (i >= argc) return false;
  script.launch.exePath = argv[i];
  script.launch.args.assign(argv + i + 1, argv + argc);
  script.launch.environment = {{L"VAULTLINE_DEBUGTRACE", L"1"}};
  return true;
}

void AnswerBox(DWORD processId, const Script& script) {
  HWND box = vl::test::FindMessageBoxOf(processId);
  if (!box) return;
  const String text = vl::test::ReadMessageBoxText(box);
  const auto answer = script.answers.find(text);
  const int button = answer == script.answers.end() ? IDNO : answer->second;
  if (!vl::test::PressMessageBoxButton(box, button)) return;
  Say(L"box " + text + (button == IDYES ? L" -> yes" : L" -> no"));
  vl::test::WaitFor([&] { return !::IsWindow(box) || !::IsWindowVisible(box); }, 5000);
}

bool CancelAt(DWORD processId, const String& wanted) {
  HWND dialog = vl::test::FindWindowWithControl(processId, IDC_UPDATE_PROGRESS);
  if (!dialog) return false;
  const String status = vl::test::ControlText(dialog, IDC_UPDATE_STATUS);
  if (status.find(wanted) == String::npos) return false;
  ::PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
  Say(L"cancel " + status);
  return true;
}

int Play(const Script& script) {
  vl::test::ChildProcess child;
  if (!child.Start(script.launch)) {
    Say(L"not started " + std::to_wstring(::GetLastError()));
    return 2;
  }
  bool cancelled = script.cancelAt.empty();
  const ULONGLONG deadline = ::GetTickCount64() + script.timeoutMs;
  while (!child.HasExited() && ::GetTickCount64() < deadline) {
    AnswerBox(child.Id(), script);
    if (!cancelled) cancelled = CancelAt(child.Id(), script.cancelAt);
    ::Sleep(20);
  }
  const bool ended = child.WaitForExit(1000);
  for (const String& line : child.Output())
    Say(L"trace " + line.substr(0, line.find_last_not_of(L"\r\n") + 1));
  if (!ended) {
    Say(L"timeout");
    return 3;
  }
  Say(L"exit " + std::to_wstring(child.ExitCode()));
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  Script script;
  if (!ReadScript(argc, argv, script)) {
    std::fputs("usage: updater_test_driver [--yes TEXT] [--no TEXT] [--cancel-at TEXT] "
               "[--lock FILE] [--timeout SECONDS] PROGRAM [ARGS...]\n", stderr);
    return 2;
  }
  vl::win32::FileHandle lock;
  if (!script.lockPath.empty() &&
      !lock.Open(script.lockPath, GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING)) {
    Say(L"not locked " + std::to_wstring(::GetLastError()));
    return 2;
  }
  return Play(script);
}
