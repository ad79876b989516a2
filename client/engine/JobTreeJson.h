#pragma once
// The job tree as JSON, for `vlbackup plan --json`: an array of jobs, each with its children.
#include <string>

#include "client/engine/RunState.h"

namespace vl {

class JsonWriter;

// Writes the jobs as one array value at the writer's current position.
void WriteJobTree(JsonWriter& json, const JobList& jobs);
// The jobs as a complete UTF-8 JSON document.
std::string JobTreeToJson(const JobList& jobs);

}  // namespace vl
