#pragma once
// The status line's texts name the file with a "%s" (the string tables keep that form); the
// name goes in literally, whatever characters it holds.
#include "core/base/String.h"

namespace vl::updater {

// format with its first "%s" replaced by fileName.
String InsertFileName(StringView format, StringView fileName);

}  // namespace vl::updater
