#pragma once
// Explicit housekeeping of the history folders: which history copies an age or count rule lets
// go, and removing them. Only files in _VLHistory folders whose names parse as history copies
// are ever part of it; the current copies never are.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "client/engine/restore/Versions.h"
#include "core/base/String.h"
#include "core/fs/FileSystem.h"

namespace vl {

class IClock;

// What a prune would remove. A copy goes only when every given rule lets it go: it is beyond
// the keepNewest newest copies of its file, and its stamp is more than olderThanDays days old
// (-1 for a rule not given).
struct PrunePlan {
  std::vector<FileVersion> remove;
  uint64_t bytes = 0;
  size_t keptFiles = 0;          // history copies that stay
  FsResult result;               // the first folder that could not be listed
  std::vector<String> unreadFolders;
};

PrunePlan PlanPrune(const IFileSystem& fs, const String& targetFolder, int keepNewest,
                    int olderThanDays, const IClock& clock);

struct PruneOutcome {
  size_t files = 0;
  uint64_t bytes = 0;
  std::vector<String> failedPaths;
  FsResult result;  // the first failure
};

// Removes the plan's files; one that no longer parses as a history copy in a history folder is
// left alone.
PruneOutcome CarryOutPrune(IFileSystem& fs, const PrunePlan& plan);

}  // namespace vl
