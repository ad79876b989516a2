#pragma once
// A program file's version resource.
#include "core/base/String.h"

namespace vl::win32 {

// The ProductVersion text of the first language and code page the resource lists; empty when
// the file has no readable version resource.
String ReadProductVersion(const String& path);

}  // namespace vl::win32
