#include "win32/Trace.h"

#include <windows.h>

#include <cstdio>
#include <cwchar>

namespace vl {

size_t FormatTraceText(wchar_t* buffer, size_t capacity, const wchar_t* format, va_list args) {
  // _vsnwprintf leaves out the terminator when the text fills the room, so it gets one slot
  // less and the last slot is always set.
  const int written = _vsnwprintf(buffer, capacity - 1, format, args);
  buffer[capacity - 1] = L'\0';
  if (written >= 0) buffer[written] = L'\0';
  return wcslen(buffer);
}

void OutputTraceV(const wchar_t* format, va_list args) {
  wchar_t buffer[kTraceBufferChars];
  FormatTraceText(buffer, kTraceBufferChars, format, args);
  ::OutputDebugStringW(buffer);
}

}  // namespace vl
