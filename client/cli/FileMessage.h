#pragma once
// The line vlbackup prints when a file lets it down. The framework's texts name the file in
// some cases ("X was not found.") and not in others ("Unexpected file format."), so the file is
// put in front only when the text does not name it already.
#include "core/base/String.h"

namespace vl {

// path is a full path: the framework's fixed sentences never contain one by chance.
String NameFileOnce(const String& path, const String& message);

}  // namespace vl
