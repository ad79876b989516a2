#pragma once
// Puts a copy of the built client into a folder and starts it with the debug trace on, so the
// test can follow its start-up. Shared by the client's process-level tests.
#include <memory>

#include "tests/win32/ChildProcess.h"

namespace vl::test {

// Bounds of the waits: a start under Wine can take a few seconds on a busy machine.
constexpr DWORD kStartTimeoutMs = 30000;
constexpr DWORD kExitTimeoutMs = 15000;

// Trace lines of the client's start-up.
constexpr const wchar_t* kTraceDataFolder = L"[VAULTLINE][Startup] data folder: ";
constexpr const wchar_t* kTraceSetOpened = L"[VAULTLINE][Startup] set file opened: ";
constexpr const wchar_t* kTraceNewSet = L"[VAULTLINE][Startup] new set";
constexpr const wchar_t* kTraceFrameCreated = L"[VAULTLINE][Startup] main frame created";
constexpr const wchar_t* kTraceAnotherInstance = L"[VAULTLINE][Startup] another instance";

constexpr const wchar_t* kMainFrameCaption = L"Vaultline MainFrame";

// The client as the build made it.
String BuiltClientPath();

// Copies the built client to folder\fileName; the copy's path, or empty on failure.
String InstallClient(const String& folder, const String& fileName = L"Vaultline.exe");

// Starts exePath as a debugged child with VAULTLINE_DEBUGTRACE=1.
std::unique_ptr<ChildProcess> StartClient(const String& exePath,
                                          const std::vector<String>& args = {});

// The client's hidden main frame, or null.
HWND FindMainFrame(const ChildProcess& client);

// Closes the client through its main frame and waits for it to end; true when it ended.
bool CloseClient(ChildProcess& client);

}  // namespace vl::test
