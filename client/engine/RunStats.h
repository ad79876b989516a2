#pragma once
// The counters of one backup run. The report dialog receives the block as it is, so the
// fields keep this order.
#include <cstdint>

namespace vl {

struct RunStats {
  int64_t totalBytes = 0;      // analysis: sizes of all file jobs, copies and deletions
  int64_t doneBytes = 0;       // execution: bytes accounted as done, the basis of the percentage
  int64_t jobCount = 0;        // analysis: folder and file jobs
  int64_t folderCount = 0;     // analysis
  int64_t fileCount = 0;       // analysis
  int64_t createdFolders = 0;  // execution, and the rest below
  int64_t copiedNew = 0;
  int64_t copiedChanged = 0;
  int64_t deletedFolders = 0;
  int64_t deletedFiles = 0;
  int64_t errorCount = 0;
  int64_t startTime = 0;       // seconds since 1 January 1970 (UTC)
  int64_t endTime = 0;
};

}  // namespace vl
