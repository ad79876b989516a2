#include "client/model/SettingRanges.h"

#include <limits>

namespace vl {
namespace {

// The C library's white space.
bool IsBlank(Char c) {
  return c == VLT(' ') || c == VLT('\t') || c == VLT('\n') || c == VLT('\v') || c == VLT('\f') ||
         c == VLT('\r');
}

}  // namespace

uint32_t SettingNumber(const String& text) {
  size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == VLT('-') || text[i] == VLT('+')))
    negative = text[i++] == VLT('-');
  constexpr uint64_t kMax = std::numeric_limits<uint32_t>::max();
  uint64_t value = 0;
  for (; i < text.size() && text[i] >= VLT('0') && text[i] <= VLT('9'); ++i) {
    value = value * 10 + static_cast<uint64_t>(text[i] - VLT('0'));
    if (value > kMax) value = kMax;
  }
  return negative ? 0 : static_cast<uint32_t>(value);
}

IntervalVerdict CheckInterval(const String& text, const IntervalRange& range) {
  if (text.empty()) return IntervalVerdict::kEmpty;
  const uint32_t value = SettingNumber(text);
  if (value < range.minimum || value > range.maximum) return IntervalVerdict::kOutOfRange;
  return IntervalVerdict::kAccepted;
}

}  // namespace vl
