#include "client/cli/PeakMemory.h"

#include <windows.h>
#include <psapi.h>

#include <cstdio>

namespace vl {
namespace {

// ASCII only, so each byte widens to one character.
String MegabytesLine(const char* name, SIZE_T bytes) {
  char line[96] = {};
  const int length =
      std::snprintf(line, sizeof line, "%s: %.1f\n", name, static_cast<double>(bytes) / 1048576.0);
  return length > 0 ? String(line, line + length) : String();
}

}  // namespace

String PeakMemoryText() {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof(counters);
  if (!::GetProcessMemoryInfo(::GetCurrentProcess(), &counters, sizeof(counters))) return String();
  return MegabytesLine("peak_pagefile_mb", counters.PeakPagefileUsage) +
         MegabytesLine("peak_working_set_mb", counters.PeakWorkingSetSize);
}

}  // namespace vl
