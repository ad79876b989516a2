#pragma once
// The progress bar's position for a byte count: done x 100 / total in 64-bit arithmetic, never
// above 100 (a download may run past the size it was announced with) and 0 while the total is 0.
#include <cstdint>

namespace vl::updater {

int ProgressPercent(uint64_t done, uint64_t total);

}  // namespace vl::updater
