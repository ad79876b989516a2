#include "bench/ProcessMemory.h"

#include <windows.h>
#include <psapi.h>

namespace vl::bench {

MemorySample SampleMemory() {
  PROCESS_MEMORY_COUNTERS_EX counters{};
  counters.cb = sizeof(counters);
  MemorySample sample;
  if (!::GetProcessMemoryInfo(::GetCurrentProcess(),
                              reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                              sizeof(counters)))
    return sample;
  // Wine leaves PrivateUsage at 0; the commit charge is the same figure on Windows.
  sample.privateBytes = counters.PrivateUsage ? counters.PrivateUsage : counters.PagefileUsage;
  sample.peakPagefile = counters.PeakPagefileUsage;
  sample.peakWorkingSet = counters.PeakWorkingSetSize;
  return sample;
}

}  // namespace vl::bench
