#include "tests/gui/harness/GuiProgram.h"

#include "tests/gui/harness/ProcessWindows.h"
#include "tests/win32/ProgramCopy.h"
#include "tests/win32/WindowProbe.h"

namespace vl::test {
namespace {

// The caption of the client's message boxes, and also of its dialogs.
constexpr const wchar_t* kApplicationTitle = L"Vaultline";

}  // namespace

GuiProgram::GuiProgram(const std::string& builtUnixPath, const String& fileName)
    : m_builtPath(WindowsPathOfUnixPath(builtUnixPath)),
      m_exePath(InstallProgram(m_builtPath, m_folder.Path(), fileName)),
      m_process(std::make_unique<ChildProcess>()) {}

bool GuiProgram::Start(const std::vector<String>& args,
                       const std::vector<std::pair<String, String>>& environment) {
  if (m_exePath.empty()) return false;
  LaunchOptions options;
  options.exePath = m_exePath;
  options.args = args;
  options.environment = environment;
  options.environment.emplace_back(L"VAULTLINE_DEBUGTRACE", L"1");
  options.debug = true;
  return m_process->Start(options);
}

HWND GuiProgram::WaitForWindow(const wchar_t* className, const wchar_t* caption,
                               DWORD timeoutMs) {
  HWND found = nullptr;
  m_process->WaitUntil(
      [&] { return (found = FindProcessWindow(m_process->Id(), className, caption)) != nullptr; },
      timeoutMs);
  return found;
}

HWND GuiProgram::WaitForMessageBox(DWORD timeoutMs) {
  HWND box = nullptr;
  m_process->WaitUntil(
      [&] { return (box = FindMessageBoxOf(m_process->Id(), kApplicationTitle)) != nullptr; },
      timeoutMs);
  return box;
}

HWND GuiProgram::WaitForMenu(DWORD timeoutMs) {
  HWND menu = nullptr;
  m_process->WaitUntil(
      [&] {
        menu = FindProcessWindow(m_process->Id(), L"#32768", nullptr);
        return menu && IsWindowVisible(menu);
      },
      timeoutMs);
  return menu && IsWindowVisible(menu) ? menu : nullptr;
}

size_t GuiProgram::CountOutput(const String& needle) const {
  size_t count = 0;
  for (const String& line : m_process->Output()) count += line.find(needle) != String::npos;
  return count;
}

bool GuiProgram::WaitForOutputCount(const String& needle, size_t count, DWORD timeoutMs) {
  return m_process->WaitUntil([&] { return CountOutput(needle) >= count; }, timeoutMs);
}

std::string Narrow(const String& text) {
  std::string narrow;
  for (wchar_t c : text) narrow += c < 128 ? static_cast<char>(c) : '?';
  return narrow;
}

std::string GuiProgram::OutputForFailure() const { return Narrow(m_process->OutputText()); }

}  // namespace vl::test
