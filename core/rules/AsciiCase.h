#pragma once
// Comparing the client's fixed keywords ("/check", "OK", system names) with text from outside.
// The keywords are ASCII, so folding A-Z is enough and gives the same answer on every host.
#include "core/base/String.h"

namespace vl {

bool EqualsIgnoringAsciiCase(StringView a, StringView b);

}  // namespace vl
