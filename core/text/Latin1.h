#pragma once
// ISO 8859-1: every byte is the code point of the same value. The portable stand-in for the
// system code page when no platform decoder is at hand.
#include <string_view>

#include "core/base/String.h"

namespace vl {

String WidenLatin1(std::string_view bytes);

}  // namespace vl
