#pragma once
// One spelling for every way of writing an item's path, so that the dialog and vlbackup find
// an item registered already however it is typed.
#include "core/base/String.h"

namespace vl {

// path as Windows resolves its spelling, letter case apart: "/" read as "\", repeated
// separators, "." and ".." steps and the trailing dots and spaces of the last name dropped, and
// no final backslash except a drive root's ("D:\"). A relative path stays relative: making it
// full needs the current folder, which is the caller's.
String CanonicalItemPath(StringView path);

}  // namespace vl
