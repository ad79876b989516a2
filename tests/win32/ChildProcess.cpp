#include "tests/win32/ChildProcess.h"

#include <condition_variable>
#include <map>

namespace vl::test {
namespace {

// How long one step of a wait lasts before the condition is looked at again.
constexpr DWORD kPumpStepMs = 20;

String UpperName(const String& name) {
  String upper = name;
  for (wchar_t& c : upper) c = static_cast<wchar_t>(towupper(c));
  return upper;
}

std::map<String, std::pair<String, String>> CurrentEnvironment() {
  std::map<String, std::pair<String, String>> variables;
  wchar_t* block = GetEnvironmentStringsW();
  for (const wchar_t* entry = block; entry && *entry; entry += wcslen(entry) + 1) {
    const String text(entry);
    // Entries such as "=C:=C:\dir" start with '=': their name runs to the second '='.
    const size_t equals = text.find(L'=', 1);
    if (equals == String::npos) continue;
    const String name = text.substr(0, equals);
    variables[UpperName(name)] = {name, text.substr(equals + 1)};
  }
  if (block) FreeEnvironmentStringsW(block);
  return variables;
}

String QuoteArgument(const String& arg) {
  if (!arg.empty() && arg.find_first_of(L" \t\"") == String::npos) return arg;
  String quoted = L"\"";
  for (wchar_t c : arg) {
    if (c == L'"') quoted += L'\\';
    quoted += c;
  }
  return quoted + L"\"";
}

}  // namespace

std::vector<wchar_t> MakeEnvironmentBlock(
    const std::vector<std::pair<String, String>>& variables) {
  auto environment = CurrentEnvironment();
  for (const auto& [name, value] : variables) environment[UpperName(name)] = {name, value};
  std::vector<wchar_t> block;
  for (const auto& entry : environment) {
    const String line = entry.second.first + L"=" + entry.second.second;
    block.insert(block.end(), line.begin(), line.end());
    block.push_back(L'\0');
  }
  block.push_back(L'\0');
  return block;
}

String MakeCommandLine(const String& exePath, const std::vector<String>& args) {
  String commandLine = QuoteArgument(exePath);
  for (const String& arg : args) commandLine += L" " + QuoteArgument(arg);
  return commandLine;
}

ChildProcess::~ChildProcess() {
  Kill();
  StopDebugger();
}

bool ChildProcess::CreateChild(const LaunchOptions& options, DWORD flags) {
  String commandLine = MakeCommandLine(options.exePath, options.args);
  std::vector<wchar_t> environment = MakeEnvironmentBlock(options.environment);
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION info{};
  if (!CreateProcessW(options.exePath.c_str(), commandLine.data(), nullptr, nullptr, FALSE,
                      flags | CREATE_UNICODE_ENVIRONMENT, environment.data(),
                      options.workingFolder.empty() ? nullptr : options.workingFolder.c_str(),
                      &startup, &info))
    return false;
  CloseHandle(info.hThread);
  m_process.Reset(info.hProcess);
  m_processId = info.dwProcessId;
  return true;
}

bool ChildProcess::Start(const LaunchOptions& options) {
  if (!options.debug) return CreateChild(options, 0);
  // The debugger thread reports whether the process could be made before it starts serving.
  std::mutex lock;
  std::condition_variable ready;
  bool reported = false;
  bool created = false;
  DWORD error = 0;
  m_debugger = std::thread([&, options] {
    const bool ok = CreateChild(options, DEBUG_ONLY_THIS_PROCESS);
    {
      std::lock_guard<std::mutex> guard(lock);
      created = ok;
      error = ok ? 0 : GetLastError();
      reported = true;
    }
    ready.notify_one();
    if (ok) DebugLoop();
  });
  std::unique_lock<std::mutex> guard(lock);
  ready.wait(guard, [&] { return reported; });
  if (!created) {
    guard.unlock();
    m_debugger.join();
    SetLastError(error);
  }
  return created;
}

void ChildProcess::DebugLoop() {
  for (;;) {
    if (m_detach) {
      DebugSetProcessKillOnExit(FALSE);
      DebugActiveProcessStop(m_processId);
      return;
    }
    DEBUG_EVENT event{};
    if (!WaitForDebugEvent(&event, kPumpStepMs)) continue;
    DWORD continueStatus = DBG_CONTINUE;
    if (event.dwProcessId == m_processId) OnDebugEvent(event, continueStatus);
    ContinueDebugEvent(event.dwProcessId, event.dwThreadId, continueStatus);
    if (event.dwDebugEventCode == EXIT_PROCESS_DEBUG_EVENT && event.dwProcessId == m_processId)
      return;
  }
}

bool ChildProcess::HasExited() const {
  return !m_process || WaitForSingleObject(m_process.Get(), 0) == WAIT_OBJECT_0;
}

DWORD ChildProcess::ExitCode() const {
  DWORD code = STILL_ACTIVE;
  if (m_process) GetExitCodeProcess(m_process.Get(), &code);
  return code;
}

bool ChildProcess::WaitUntil(const std::function<bool()>& done, DWORD timeoutMs) const {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  for (;;) {
    if (done()) return true;
    if (HasExited() || GetTickCount64() >= deadline) return done();
    WaitForSingleObject(m_process.Get(), kPumpStepMs);
  }
}

bool ChildProcess::WaitForExit(DWORD timeoutMs) const {
  return WaitUntil([this] { return HasExited(); }, timeoutMs);
}

bool ChildProcess::WaitForOutput(const String& needle, DWORD timeoutMs) const {
  return WaitUntil([&] { return HasOutput(needle); }, timeoutMs);
}

bool ChildProcess::HasOutput(const String& needle) const {
  std::lock_guard<std::mutex> guard(m_outputLock);
  for (const String& line : m_output) {
    if (line.find(needle) != String::npos) return true;
  }
  return false;
}

std::vector<String> ChildProcess::Output() const {
  std::lock_guard<std::mutex> guard(m_outputLock);
  return m_output;
}

String ChildProcess::OutputText() const {
  String text;
  for (const String& line : Output()) text += line;
  return text;
}

void ChildProcess::Kill() {
  if (!m_process || HasExited()) return;
  TerminateProcess(m_process.Get(), 1);
  WaitForExit(5000);
}

bool ChildProcess::Detach() {
  if (!m_debugger.joinable()) return true;
  m_detach = true;
  m_debugger.join();
  return true;
}

void ChildProcess::StopDebugger() {
  if (!m_debugger.joinable()) return;
  // The loop ends with the child's exit event; a child that could not be ended is let go.
  if (!HasExited()) m_detach = true;
  m_debugger.join();
}

void ChildProcess::OnDebugEvent(const DEBUG_EVENT& event, DWORD& continueStatus) {
  switch (event.dwDebugEventCode) {
    case CREATE_PROCESS_DEBUG_EVENT:
      if (event.u.CreateProcessInfo.hFile) CloseHandle(event.u.CreateProcessInfo.hFile);
      break;
    case LOAD_DLL_DEBUG_EVENT:
      if (event.u.LoadDll.hFile) CloseHandle(event.u.LoadDll.hFile);
      break;
    case EXCEPTION_DEBUG_EVENT:
      OnException(event.u.Exception, continueStatus);
      break;
    case OUTPUT_DEBUG_STRING_EVENT:
      OnDebugString(event.u.DebugString);
      break;
    default:
      break;
  }
}

void ChildProcess::OnException(const EXCEPTION_DEBUG_INFO& info, DWORD& continueStatus) {
  // The system stops every debugged process once at a breakpoint before it runs; everything
  // else goes back to the child's own handlers, as it would without a debugger (this includes
  // the wide debug-string exception, after which the child repeats the text in ANSI form).
  const bool initial = !m_sawInitialBreakpoint &&
                       info.ExceptionRecord.ExceptionCode == EXCEPTION_BREAKPOINT;
  m_sawInitialBreakpoint = m_sawInitialBreakpoint || initial;
  continueStatus = initial ? DBG_CONTINUE : DBG_EXCEPTION_NOT_HANDLED;
}

void ChildProcess::OnDebugString(const OUTPUT_DEBUG_STRING_INFO& info) {
  const size_t units = info.nDebugStringLength;
  const size_t unitBytes = info.fUnicode ? sizeof(wchar_t) : 1;
  std::vector<char> raw(units * unitBytes + sizeof(wchar_t), '\0');
  SIZE_T read = 0;
  if (!ReadProcessMemory(m_process.Get(), info.lpDebugStringData, raw.data(), units * unitBytes,
                         &read))
    return;
  String text;
  if (info.fUnicode) {
    text = reinterpret_cast<const wchar_t*>(raw.data());
  } else {
    const int length = MultiByteToWideChar(CP_ACP, 0, raw.data(), -1, nullptr, 0);
    text.assign(static_cast<size_t>(length > 0 ? length : 1), L'\0');
    MultiByteToWideChar(CP_ACP, 0, raw.data(), -1, text.data(), length);
    text.resize(wcslen(text.c_str()));
  }
  std::lock_guard<std::mutex> guard(m_outputLock);
  m_output.push_back(std::move(text));
}

}  // namespace vl::test
