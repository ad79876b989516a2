#pragma once
// The arguments of the verbs that change the set: add PATH, remove INDEX, target PATH.
#include <cstdint>
#include <vector>

#include "core/base/String.h"

namespace vl {

// Exactly one non-empty path; the reason names verb otherwise.
bool ParsePathArg(const std::vector<String>& args, const String& verb, String& path,
                  String& error);

// Exactly one list index.
bool ParseRemoveArgs(const std::vector<String>& args, int32_t& index, String& error);

// A folder path without the trailing backslash a shell's completion leaves, so that "D:\Work\"
// and "D:\Work" are one item; a drive root ("D:\") keeps its backslash, as roots are named so.
String TrimTrailingBackslash(const String& path);

}  // namespace vl
