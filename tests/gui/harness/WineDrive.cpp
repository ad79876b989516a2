#include "tests/gui/harness/WineDrive.h"

#include <windows.h>

#include <cwctype>

#include "tests/win32/ProgramCopy.h"
#include "win32/handles/KernelHandle.h"

namespace vl::test {
namespace {

constexpr DWORD kDriveChangeTimeoutMs = 10000;

std::string WinePrefix() {
  char prefix[MAX_PATH] = {};
  const DWORD length = ::GetEnvironmentVariableA("WINEPREFIX", prefix, MAX_PATH);
  return length > 0 && length < MAX_PATH ? std::string(prefix) : std::string();
}

std::string DosDeviceLink(wchar_t letter) {
  const std::string prefix = WinePrefix();
  if (prefix.empty()) return std::string();
  return prefix + "/dosdevices/" + static_cast<char>(std::towlower(letter)) + ":";
}

bool Exists(const String& path) {
  return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace

bool StartUnixProgram(const std::string& unixPath, const std::string& arguments) {
  String commandLine = WindowsPathOfUnixPath(unixPath) + L" ";
  for (char c : arguments) commandLine += static_cast<wchar_t>(c);
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION info{};
  if (!::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &info))
    return false;
  // Whatever handles Wine gave back (none for a Unix program) are closed here.
  win32::KernelHandle process(info.hProcess);
  win32::KernelHandle thread(info.hThread);
  return true;
}

wchar_t FreeDriveLetter() {
  const DWORD used = ::GetLogicalDrives();
  for (wchar_t letter = L'Q'; letter > L'D'; --letter) {
    if (used & (1u << (letter - L'A'))) continue;
    if (!Exists(String(1, letter) + L":\\")) return letter;
  }
  return 0;
}

WineDrive::WineDrive(wchar_t letter, const std::string& unixTarget)
    : m_letter(letter), m_target(unixTarget), m_link(DosDeviceLink(letter)) {
  ::CreateDirectoryW(WindowsPathOfUnixPath(m_target).c_str(), nullptr);
}

WineDrive::~WineDrive() {
  Unplug();
  ::RemoveDirectoryW(WindowsPathOfUnixPath(m_target).c_str());
}

bool WineDrive::Plug() {
  return Usable() && StartUnixProgram("/bin/ln", "-sfn " + m_target + " " + m_link) &&
         WaitForAnswer(true);
}

bool WineDrive::Unplug() {
  return Usable() && StartUnixProgram("/bin/rm", "-f " + m_link) && WaitForAnswer(false);
}

bool WineDrive::WaitForAnswer(bool answers) const {
  const ULONGLONG deadline = ::GetTickCount64() + kDriveChangeTimeoutMs;
  while (Exists(Root()) != answers) {
    if (::GetTickCount64() >= deadline) return false;
    ::Sleep(20);
  }
  return true;
}

String WineDrive::Root() const { return String(1, m_letter) + L":\\"; }

}  // namespace vl::test
