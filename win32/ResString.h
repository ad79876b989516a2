#pragma once
// Strings from the program's STRINGTABLE resources, in the language the thread shows its user
// interface in, falling back to the language's other variants, then English, then whatever
// the system picks.
#include <windows.h>

#include "core/base/String.h"

namespace vl {

// The string id in the language lang (with the fallbacks above); false when no table has it.
bool LoadResString(UINT id, LANGID lang, String& text, HMODULE module = nullptr);
// As above in the thread's user-interface language.
bool LoadResString(UINT id, String& text, HMODULE module = nullptr);
// The string, or an empty one when it does not exist.
String LoadResString(UINT id);

}  // namespace vl
