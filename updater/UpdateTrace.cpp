#include "updater/UpdateTrace.h"

#include <windows.h>

#include <cstdarg>

#include "win32/Trace.h"

namespace vl::updater {
namespace {

bool TraceSwitchedOn() {
  wchar_t value[2] = {};
  return ::GetEnvironmentVariableW(L"VAULTLINE_DEBUGTRACE", value, 2) == 1 && value[0] == L'1';
}

}  // namespace

void UpdateTrace(const wchar_t* format, ...) {
  static const bool on = TraceSwitchedOn();
  if (!on) return;
  va_list args;
  va_start(args, format);
  OutputTraceV(format, args);
  va_end(args);
}

}  // namespace vl::updater
