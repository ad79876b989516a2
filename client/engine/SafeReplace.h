#pragma once
// Putting a new version of a file in place so that the last good copy is never at risk: the
// new version is written under a partial name beside the target (PartialCopy.h) and renamed
// into place only once it is complete; the old target goes to its history folder (or, in
// overwrite mode, is set aside and deleted once the new one is in place) only then. Whatever
// fails, the old target is left as it was (read-only bit included) and no partial copy stays
// behind. Backup runs (FileCopy.h) and real-time backup share it.
#include <cstdint>

#include "core/base/String.h"
#include "core/fs/FileSystem.h"

namespace vl {

class IClock;

// The settings' history mode m_nHistoryMode: this value keeps replaced versions, any other
// discards them.
constexpr int32_t HISTORY_MODE_ARCHIVE = 0;
constexpr int32_t HISTORY_MODE_OVERWRITE = 1;

// How a replacement went.
struct ReplaceOutcome {
  FsResult result;
  // The history folder that could not be created, when that is what failed; empty otherwise
  // (the copy, the rename or the old version's way out failed).
  String failedFolder;
  bool Ok() const { return result.Ok(); }
};

// Copies source to target (data, attributes and the source's three times) by way of the partial
// name. With targetMustBeNew the target must still be free when the new version is complete
// (one that appeared meanwhile is never replaced); otherwise an existing target file makes way
// as historyMode says, with its history copy under the clock's time. A target that is a folder
// is never replaced. progress may be empty; returning false from it cancels the copy.
ReplaceOutcome ReplaceFileSafely(IFileSystem& fs, const IClock& clock, const String& source,
                                 const String& target, int32_t historyMode, bool targetMustBeNew,
                                 const CopyProgressFn& progress);

}  // namespace vl
