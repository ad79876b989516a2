#pragma once
// Bringing a kept version back without losing what is there now: the copy is written by
// ReplaceFileSafely (SafeReplace.h), so a failed restore leaves no half file under the final
// name, and a file that a restore replaces is first kept as a history copy on the target.
#include <cstddef>
#include <cstdint>

#include "client/engine/TextProvider.h"
#include "client/engine/restore/Prune.h"
#include "client/engine/restore/Versions.h"
#include "core/base/String.h"
#include "core/fs/FileSystem.h"

namespace vl {

class IClock;

struct RestoreOutcome {
  FsResult result;
  // Why nothing or not everything was restored: IDS_RESTORE_EXISTS (destination taken, no
  // replace), IDS_RESTORE_INTO_HISTORY, IDS_RESTORE_INTO_SOURCE, IDS_RESTORE_READ_FAILED,
  // IDS_RESTORE_KEEP_FAILED, IDS_RESTORE_COPY_FAILED, IDS_RESTORE_NOTHING; 0 when all went well.
  TextId message = 0;
  String failedPath;  // the path the message is about
  String keptCopy;    // the history copy of the last replaced file, when one was made
  size_t files = 0;   // files restored
  size_t failures = 0;
  bool Ok() const { return result.Ok() && message == 0; }
};

// Where a restore "to FOLDER" puts the version: FOLDER and the source's own name.
String RestoreDestinationIn(const String& folder, const VersionList& list);

// Whether restoring to destination would replace something (the file, or for a folder any file
// of the tree); the dialog asks before it passes replace.
bool RestoreWouldReplace(const IFileSystem& fs, const VersionList& list, const String& destination);

// Copies version (a file, or for a folder the current tree as of the backup, history copies
// excluded) to destination, keeping the times. An existing destination is refused unless
// replace; with replace each file being replaced is first kept as a history copy beside its
// current copy on the target. A destination in a history folder, or inside the copy being
// read, is refused.
RestoreOutcome RestoreVersion(IFileSystem& fs, const IClock& clock, const VersionList& list,
                              const FileVersion& version, const String& destination,
                              bool replace);

}  // namespace vl
