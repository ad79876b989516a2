#pragma once
// What a job tree holds, counted from the tree itself, to set beside what the heap grew by.
#include <cstdint>

#include "client/engine/RunState.h"

namespace vl::bench {

struct TreeSize {
  uint64_t nodes = 0;
  uint64_t folderNodes = 0;
  uint64_t nodeBytes = 0;    // the job records themselves
  uint64_t textBytes = 0;    // path and name characters kept outside the records
  uint64_t listBytes = 0;    // the children lists' storage
};

TreeSize MeasureTree(const JobList& jobs);

}  // namespace vl::bench
