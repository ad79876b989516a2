#pragma once
// Paths given on the command line are stored and compared as full paths, so that a set does
// not depend on the folder vlbackup was started from.
#include "core/base/String.h"

namespace vl {

// The full form of path; path itself when it cannot be made full.
String FullPathOf(const String& path);

}  // namespace vl
