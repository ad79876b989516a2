#pragma once
// Numbers in the service's answer and in its HTTP headers.
#include <cstdint>

#include "core/base/String.h"

namespace vl::updater {

// A count read the way the profile functions read integers: an optional sign and the digits
// that follow, anything after them ignored; no digits read as 0, and values beyond the range of
// int stop at its limits.
int ParseProfileInt(StringView text);

// A byte count: one to nineteen decimal digits and nothing else, within int64_t. False for
// anything else, so that "12abc", "-1" or an overflowing number is never taken for a size.
bool ParseByteCount(StringView text, int64_t& value);

}  // namespace vl::updater
