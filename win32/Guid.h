#pragma once
// GUIDs as bare text: 32 hexadecimal digits, no braces or dashes.
#include "core/base/String.h"

namespace vl::win32 {

// Removes every '{', '}' and '-' from the registry form of a GUID.
String StripGuidPunctuation(const String& registryForm);

// A new GUID as bare text; empty when the system cannot make one.
String MakeGuidText();

}  // namespace vl::win32
