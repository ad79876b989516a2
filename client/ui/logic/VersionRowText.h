#pragma once
// What one row of the restore dialog's version list says: which copy it is, when that copy
// was last written and how big it is. Kept apart from the window so the dates and the size
// read the same in every language and can be checked without one.
#include <cstdint>

#include "core/base/String.h"

namespace vl {

struct FileVersion;
class ITextProvider;

struct VersionRow {
  String version;   // the current copy's name, or the time the copy was kept
  String modified;  // its last-write time
  String size;      // empty for a folder: its size would take a walk of the whole tree
};

// "YYYY-MM-DD hh:mm:ss" of seconds since 1970 counted on the local wall clock.
String LocalTimeText(int64_t localSeconds);
VersionRow MakeVersionRow(const FileVersion& version, bool isFolder, const ITextProvider& texts);

}  // namespace vl
