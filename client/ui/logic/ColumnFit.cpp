#include "client/ui/logic/ColumnFit.h"

#include <algorithm>
#include <cstddef>
#include <numeric>

namespace vl {
namespace {

int Sum(const std::vector<int>& widths) {
  return std::accumulate(widths.begin(), widths.end(), 0);
}

// Takes `excess` pixels from the widths above their floors, one at a time from the widest
// margin, so no column gives up more than it must.
void GiveBackSlack(std::vector<int>& widths, const std::vector<int>& floors, int excess) {
  while (excess > 0) {
    size_t widest = 0;
    for (size_t i = 1; i < widths.size(); ++i) {
      if (widths[i] - floors[i] > widths[widest] - floors[widest]) widest = i;
    }
    if (widths[widest] <= floors[widest]) return;
    --widths[widest];
    --excess;
  }
}

void ScaleDown(std::vector<int>& widths, int available) {
  const long long total = Sum(widths);
  for (int& width : widths) {
    width = static_cast<int>(width * static_cast<long long>(available) / total);
  }
}

}  // namespace

std::vector<int> FitColumnWidths(const std::vector<int>& preferred,
                                 const std::vector<int>& needed, int available) {
  available = std::max(available, 0);
  std::vector<int> floors(preferred.size(), 0);
  std::vector<int> widths(preferred.size(), 0);
  for (size_t i = 0; i < preferred.size(); ++i) {
    floors[i] = std::max(i < needed.size() ? needed[i] : 0, 0);
    widths[i] = std::max(preferred[i], floors[i]);
  }
  const int total = Sum(widths);
  if (total <= available) return widths;
  if (Sum(floors) <= available) {
    GiveBackSlack(widths, floors, total - available);
  } else {
    widths = floors;
    ScaleDown(widths, available);
  }
  return widths;
}

}  // namespace vl
