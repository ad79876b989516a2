#pragma once
// Where the previous version of a replaced target file goes: a _VLHistory folder beside it,
// under the file's name with the time of the move worked in.
#include "client/engine/Clock.h"
#include "core/base/String.h"
#include "core/fs/FileSystem.h"

namespace vl {

inline constexpr Char HISTORY_FOLDER[] = VLT("_VLHistory");

// Whether a folder name is the history folder's, in any letter case.
bool IsHistoryFolderName(StringView name);

// The history folder beside the file at targetPath.
String HistoryFolderOf(const String& targetPath);

// The 14 digits %Y%m%d%H%M%S of time.
String HistoryStamp(const LocalTime& time);

// name with "_VL" and stamp put before its extension (from the last dot on), or appended when
// it has no dot. A number above 1 follows the stamp (name_VL<stamp>_2.ext), for a name that
// the same second took already.
String HistoryFileName(StringView name, StringView stamp, int number = 1);

// How moving a replaced file into history went.
struct HistoryMove {
  FsResult result;
  bool folderFailed = false;  // the history folder could not be created; result is its failure
  String folder;
  String historyPath;  // where the file went, when it did
};

// Moves the file at targetPath into its history folder (created when missing) under the name
// stamped with the clock's current time, or the next free number where that name is taken.
HistoryMove MoveToHistory(IFileSystem& fs, const IClock& clock, const String& targetPath);

}  // namespace vl
