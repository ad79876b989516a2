#pragma once
// A list index given on the command line: plain decimal digits only, so that "-1", "1x" or an
// empty word never reach the item list as some index the user did not mean.
#include <cstdint>

#include "core/base/String.h"

namespace vl {

// The largest index accepted; sets never hold anywhere near this many items.
constexpr int32_t kMaxIndexArg = 999999999;

bool ParseIndexArg(const String& text, int32_t& index);

}  // namespace vl
