#pragma once
// The system's own description of an error code, for messages that name the cause.
#include <cstdint>

#include "core/base/String.h"

namespace vl::win32 {

// FormatMessageW's text for a GetLastError code in the user's language, as one line: without
// the line break and the closing full stop the system ends its sentences with, so that it can
// stand inside another sentence. Empty when the system has no text for the code.
String SystemMessageText(uint32_t code);

}  // namespace vl::win32
