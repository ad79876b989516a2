#pragma once
// The one rule that keeps a name from the update service inside the folder it is meant for: a
// plain name of one file. No path separator, drive or stream colon, wildcard or control
// character; no "..", no trailing dot or blank (the system would drop them and write another
// name); no device name (CON, NUL, COM1, ... with or without an extension); nothing empty or
// longer than a file name can be.
#include <cstddef>

#include "core/base/String.h"

namespace vl::updater {

constexpr size_t kMaxFileNameChars = 255;

bool IsPlainFileName(StringView name);

}  // namespace vl::updater
