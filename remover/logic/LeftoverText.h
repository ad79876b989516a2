#pragma once
// The message for a removal that left something behind: the user must learn what is still
// there, or it stays there unnoticed.
#include <vector>

#include "core/base/String.h"

namespace vl::remover {

// Lines a message box can show before it outgrows the screen.
constexpr size_t kMaxLeftoverLines = 12;

// format with "%1" replaced by the paths one a line; beyond kMaxLeftoverLines the rest is
// counted ("... (+3)") rather than listed.
String LeftoverText(StringView format, const std::vector<String>& left);

}  // namespace vl::remover
