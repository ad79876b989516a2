#pragma once
// The report's figures as text, shared by the report dialog and the console tool.
#include <cstdint>

#include "core/base/String.h"

namespace vl {

// Below 1024 the byte count itself ("1023   B", its low 32 bits as a signed number, so
// negative counts print as they are); then KB, MB and GB with two decimals, the largest unit
// staying GB ("5120.00 GB").
String FormatSize(int64_t bytes);

// HH:MM:SS of a run's length; whole days are not shown, so 25 hours read 01:00:00.
String FormatElapsed(int64_t seconds);

}  // namespace vl
