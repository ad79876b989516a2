#pragma once
// Conversion between our UTF-16 strings and UTF-8 for text leaving the program (console, JSON).
#include <string>
#include <string_view>

#include "core/base/String.h"

namespace vl {

constexpr char32_t kReplacementChar = 0xFFFD;

// UTF-16 to UTF-8; an unpaired surrogate becomes U+FFFD.
std::string ToUtf8(StringView text);
// UTF-8 to UTF-16; each malformed, overlong or truncated sequence becomes U+FFFD.
String FromUtf8(std::string_view text);
// True when every surrogate in text belongs to a high-low pair.
bool HasNoUnpairedSurrogates(StringView text);

}  // namespace vl
