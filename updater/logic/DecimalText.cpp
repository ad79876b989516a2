#include "updater/logic/DecimalText.h"

#include <limits>

namespace vl::updater {
namespace {

bool IsDigit(Char c) { return c >= '0' && c <= '9'; }

}  // namespace

int ParseProfileInt(StringView text) {
  size_t pos = 0;
  const bool negative = !text.empty() && text[0] == '-';
  if (!text.empty() && (text[0] == '-' || text[0] == '+')) pos = 1;
  const int64_t limit = negative ? -int64_t{std::numeric_limits<int>::min()}
                                 : int64_t{std::numeric_limits<int>::max()};
  int64_t value = 0;
  for (; pos < text.size() && IsDigit(text[pos]); ++pos) {
    value = value * 10 + (text[pos] - '0');
    if (value > limit) value = limit;
  }
  return static_cast<int>(negative ? -value : value);
}

bool ParseByteCount(StringView text, int64_t& value) {
  if (text.empty() || text.size() > 19) return false;
  uint64_t parsed = 0;
  for (Char c : text) {
    if (!IsDigit(c)) return false;
    parsed = parsed * 10 + static_cast<uint64_t>(c - '0');
  }
  if (parsed > static_cast<uint64_t>(std::numeric_limits<int64_t>::max())) return false;
  value = static_cast<int64_t>(parsed);
  return true;
}

}  // namespace vl::updater
