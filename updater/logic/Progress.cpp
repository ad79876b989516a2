#include "updater/logic/Progress.h"

#include <algorithm>
#include <limits>

namespace vl::updater {

int ProgressPercent(uint64_t done, uint64_t total) {
  if (total == 0) return 0;
  if (done >= total) return 100;
  // done x 100 would overflow only for totals beyond any real download; there the division
  // goes first, which may put the bar one step ahead.
  if (done <= std::numeric_limits<uint64_t>::max() / 100)
    return static_cast<int>(done * 100 / total);
  // An unfinished download never shows as finished, however the division rounds.
  return std::min(99, static_cast<int>(done / (total / 100)));
}

}  // namespace vl::updater
