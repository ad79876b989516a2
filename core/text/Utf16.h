#pragma once
// Surrogate arithmetic shared by the UTF-8 and UTF-16 sides of the converters.
#include <cstddef>

#include "core/base/String.h"

namespace vl::utf16 {

inline bool IsHigh(char32_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
inline bool IsLow(char32_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }
inline bool IsSurrogate(char32_t unit) { return unit >= 0xD800 && unit <= 0xDFFF; }

// The code point starting at text[pos] and how many units it took (1 or 2). An unpaired
// surrogate comes back as itself so that callers decide how to treat it.
inline char32_t Next(StringView text, size_t pos, size_t& units) {
  const char32_t first = static_cast<char16_t>(text[pos]);
  units = 1;
  if (IsHigh(first) && pos + 1 < text.size()) {
    const char32_t second = static_cast<char16_t>(text[pos + 1]);
    if (IsLow(second)) {
      units = 2;
      return 0x10000 + ((first - 0xD800) << 10) + (second - 0xDC00);
    }
  }
  return first;
}

// Appends code point cp (not a surrogate) to out.
inline void Append(String& out, char32_t cp) {
  if (cp < 0x10000) {
    out.push_back(static_cast<Char>(cp));
    return;
  }
  cp -= 0x10000;
  out.push_back(static_cast<Char>(0xD800 + (cp >> 10)));
  out.push_back(static_cast<Char>(0xDC00 + (cp & 0x3FF)));
}

}  // namespace vl::utf16
