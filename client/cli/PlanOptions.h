#pragma once
// The flags of `vlbackup plan`.
#include <vector>

#include "core/base/String.h"

namespace vl {

struct PlanOptions {
  bool synchronize = false;  // --sync: plan deletions of what the source no longer has
  bool json = false;         // --json: the job tree and counters as one JSON document
  bool stats = false;        // --stats: the process's peak memory on stderr, for the benchmark
};

// Fails with a one-line reason on anything but --sync, --json and --stats, each at most once.
bool ParsePlanOptions(const std::vector<String>& args, PlanOptions& options, String& error);

}  // namespace vl
