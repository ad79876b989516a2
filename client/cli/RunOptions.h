#pragma once
// The flags of `vlbackup run`.
#include <cstdint>
#include <vector>

#include "core/base/String.h"

namespace vl {

struct RunOptions {
  bool synchronize = false;  // --sync: delete from the target what the source no longer has
  bool json = false;         // --json: the report as one JSON document
  bool stats = false;        // --stats: the process's peak memory on stderr, for the benchmark
  int32_t itemIndex = -1;    // --item N: back up only the item at list index N
};

// Fails with a one-line reason on an unknown or repeated flag, or --item without an index.
bool ParseRunOptions(const std::vector<String>& args, RunOptions& options, String& error);

}  // namespace vl
