#pragma once
// Message texts of the framework name the affected file with the placeholder %1.
#include "core/base/String.h"

namespace vl {

// text with every "%1" replaced by argument.
String ReplacePlaceholder(StringView text, StringView argument);

}  // namespace vl
