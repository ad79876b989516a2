#pragma once
// Debug trace text for the debugger's output window.
#include <cstdarg>
#include <cstddef>

namespace vl {

// Room for one trace line, the terminator included; longer output is cut to fit.
constexpr size_t kTraceBufferChars = 2048;

// printf-style formatting into buffer (capacity chars, capacity > 0), always terminated,
// cutting what does not fit. Returns the number of characters written.
size_t FormatTraceText(wchar_t* buffer, size_t capacity, const wchar_t* format, va_list args);

// Formats into a stack buffer of kTraceBufferChars and passes it to OutputDebugStringW.
// Safe on any thread.
void OutputTraceV(const wchar_t* format, va_list args);

}  // namespace vl
