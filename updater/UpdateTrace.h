#pragma once
// The updater's debug trace: lines for the debugger's output, written only when the program
// was started with VAULTLINE_DEBUGTRACE=1 (the client's switch), and from any thread.
namespace vl::updater {

void UpdateTrace(const wchar_t* format, ...);

}  // namespace vl::updater
