#include "client/cli/IndexArg.h"

namespace vl {

bool ParseIndexArg(const String& text, int32_t& index) {
  if (text.empty() || text.size() > 9) return false;
  int32_t value = 0;
  for (const Char c : text) {
    if (c < VLT('0') || c > VLT('9')) return false;
    value = value * 10 + static_cast<int32_t>(c - VLT('0'));
  }
  index = value;
  return value <= kMaxIndexArg;
}

}  // namespace vl
