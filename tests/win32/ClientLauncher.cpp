#include "tests/win32/ClientLauncher.h"

#include "tests/win32/ProgramCopy.h"
#include "tests/win32/WindowProbe.h"

namespace vl::test {

String BuiltClientPath() { return WindowsPathOfUnixPath(VL_CLIENT_EXE); }

String InstallClient(const String& folder, const String& fileName) {
  return InstallProgram(BuiltClientPath(), folder, fileName);
}

std::unique_ptr<ChildProcess> StartClient(const String& exePath, const std::vector<String>& args) {
  LaunchOptions options;
  options.exePath = exePath;
  options.args = args;
  options.environment = {{L"VAULTLINE_DEBUGTRACE", L"1"}};
  options.debug = true;
  auto client = std::make_unique<ChildProcess>();
  if (!client->Start(options)) return nullptr;
  return client;
}

HWND FindMainFrame(const ChildProcess& client) {
  return FindProcessWindow(client.Id(), nullptr, kMainFrameCaption);
}

bool CloseClient(ChildProcess& client) {
  HWND frame = nullptr;
  client.WaitUntil([&] { return (frame = FindMainFrame(client)) != nullptr; }, kStartTimeoutMs);
  if (!frame) return false;
  PostMessageW(frame, WM_CLOSE, 0, 0);
  return client.WaitForExit(kExitTimeoutMs);
}

}  // namespace vl::test
