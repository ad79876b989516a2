#pragma once
// Where the previous version of a replaced target file goes: a _VLHistory folder beside it,
// under the file's name with the time of the move worked in.
#include "client/engine/Clock.h"
#include "core/base/String.h"

namespace vl {

class IFileSystem;

inline constexpr Char HISTORY_FOLDER[] = VLT("_VLHistory");

// Whether a folder name is the history folder's, in any letter case.
bool IsHistoryFolderName(StringView name);

// The 14 digits %Y%m%d%H%M%S of time.
String HistoryStamp(const LocalTime& time);

// name with "_VL" and stamp put before its extension (from the last dot on), or appended when
// it has no dot.
String HistoryFileName(StringView name, StringView stamp);

// The full path for the history copy of the file at targetPath, stamped with the clock's
// current time. Creates the history folder (one level) first; a failure there is left for the
// move that follows to report.
String MakeHistoryName(IFileSystem& fs, const IClock& clock, const String& targetPath);

}  // namespace vl
