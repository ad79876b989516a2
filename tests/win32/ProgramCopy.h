#pragma once
// Programs the build made, seen from a test under Wine, and fresh copies of them in a test's
// own folder (the client keeps its data beside its program file).
#include <string>

#include "core/base/String.h"

namespace vl::test {

// The build passes Unix paths; Wine's Z: drive is the Unix root.
String WindowsPathOfUnixPath(const std::string& unixPath);

// Copies program to folder\fileName; the copy's path, or empty on failure.
String InstallProgram(const String& program, const String& folder, const String& fileName);

}  // namespace vl::test
