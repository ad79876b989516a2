#pragma once
// 8-bit text in a Windows code page, for set-file strings stored without the Unicode marker.
#include <windows.h>

#include <string>

#include "client/model/BackupSetFile.h"

namespace vl::platform {

// Converts bytes of codePage to UTF-16; bytes that do not map become the code page's default.
String DecodeCodePage(const std::string& bytes, UINT codePage = CP_ACP);

// The decoder the client hands to the set-file reader: the system's ANSI code page.
CodePageDecoder MakeAnsiDecoder();

}  // namespace vl::platform
