#pragma once
// Which files of the release are fetched: those whose destination is missing, differs in size,
// or carries another product version (compared ignoring letter case). A destination that is a
// folder is never replaced, and of two entries for one name (in any letter case) the first
// counts, so that one download never stands for two entries.
#include <cstdint>
#include <vector>

#include "updater/logic/UpdateInfo.h"
#include "updater/logic/UpdatePaths.h"
#include "updater/logic/UpdateServices.h"

namespace vl::updater {

struct UpdateQueue {
  std::vector<CUpdateInfo> files;
  // The sizes of the queued files together (it stops at the largest value it can hold).
  uint64_t totalBytes = 0;
};

bool NeedsDownload(const InstalledFile& installed, const CUpdateInfo& entry);

UpdateQueue BuildUpdateQueue(const std::vector<CUpdateInfo>& entries,
                             const UpdateFolders& folders, const IInstalledFiles& installed);

}  // namespace vl::updater
