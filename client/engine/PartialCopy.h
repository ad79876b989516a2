#pragma once
// The name a new version is written under until it is complete. The old target stays as it was
// until the new copy is whole, so a copy that fails, is cancelled or is killed part way never
// costs the last good copy; what a killed copy leaves behind carries this name, so the next
// run can tell it from the user's files and remove it.
#include "core/base/String.h"

namespace vl {

class IFileSystem;

// The suffix every partial copy's name ends with, in any letter case.
inline constexpr Char PARTIAL_COPY_SUFFIX[] = VLT(".~vlpart");

bool IsPartialCopyName(StringView name);

// Where the new version of the file at targetPath is written first: beside it, its name with
// the suffix; a shorter name in the same folder where that would not fit the path limit.
String PartialCopyPath(const String& targetPath);

// Where overwrite mode puts the old version of the file at targetPath while the new one is
// renamed into place: a partial name too, so that a run killed in between leaves nothing the
// next run would take for the user's.
String SetAsidePath(const String& targetPath);

// Removes a partial copy; it may carry the source's read-only bit, which would block that.
// Where there is none, nothing happens.
void RemovePartialCopy(IFileSystem& fs, const String& path);

}  // namespace vl
