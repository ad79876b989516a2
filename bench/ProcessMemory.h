#pragma once
// The process's memory as Windows accounts it, for the benchmark's figures.
#include <cstdint>

namespace vl::bench {

struct MemorySample {
  uint64_t privateBytes = 0;      // committed private memory now
  uint64_t peakPagefile = 0;      // most committed private memory so far
  uint64_t peakWorkingSet = 0;    // most physical memory so far
};

MemorySample SampleMemory();

}  // namespace vl::bench
