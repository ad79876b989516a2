#pragma once
// The process's peak memory, for the benchmark's `run --stats`.
#include "core/base/String.h"

namespace vl {

// "peak_pagefile_mb: N" and "peak_working_set_mb: N" lines.
String PeakMemoryText();

}  // namespace vl
