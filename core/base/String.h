#pragma once
// Text is UTF-16 everywhere. On Windows that is std::wstring, so Win32 calls take our strings
// as they are; the native build uses char16_t with the same code units, which keeps the
// portable code's lengths and comparisons identical on both sides.
#include <string>
#include <string_view>

namespace vl {

#ifdef _WIN32
using Char = wchar_t;
#define VLT(s) L##s
#else
using Char = char16_t;
#define VLT(s) u##s
#endif

using String = std::basic_string<Char>;
using StringView = std::basic_string_view<Char>;

}  // namespace vl
