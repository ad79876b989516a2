#pragma once
// The run's counters for the console tool, as text lines or as a JSON object.
#include <cstdint>
#include <functional>
#include <string>

#include "client/engine/RunStats.h"

namespace vl {

class JsonWriter;

// Calls visit with each counter's name and value, in the block's order.
void ForEachRunStat(const RunStats& stats,
                    const std::function<void(const char* name, int64_t value)>& visit);

// One "name: value" line per counter, in the block's order.
std::string RunStatsText(const RunStats& stats);
// The counters as one object value at the writer's current position.
void WriteRunStats(JsonWriter& json, const RunStats& stats);

}  // namespace vl
