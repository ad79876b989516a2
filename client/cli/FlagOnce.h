#pragma once
// A command's on/off flags may each be given once: a repeated flag is more likely a typo than
// an intention, so it is refused rather than ignored.
#include "core/base/String.h"

namespace vl {

// Sets flag; fails with a one-line reason naming arg when it was already set.
bool SetFlagOnce(bool& flag, const String& arg, String& error);

}  // namespace vl
