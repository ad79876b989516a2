#pragma once
// The counters of one ordinary run that did some of everything: 12 files in 3 folders, 9 new
// copies and 2 updates, 1 MB, 1 h 2 min 5 s. Every figure differs from the others, so a figure
// shown in the wrong place cannot pass.
#include "client/engine/RunStats.h"

namespace vl {

inline RunStats SampleRunStats() {
  RunStats stats;
  stats.fileCount = 12;
  stats.folderCount = 3;
  stats.copiedNew = 9;
  stats.copiedChanged = 2;
  stats.totalBytes = 1048576;
  stats.startTime = 1700000000;
  stats.endTime = stats.startTime + 3725;
  return stats;
}

}  // namespace vl
