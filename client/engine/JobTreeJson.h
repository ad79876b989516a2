#pragma once
// The job tree as JSON, for `vlbackup plan --json`: an array of jobs, each with its children.
#include <functional>
#include <string>

#include "client/engine/RunState.h"

namespace vl {

class JsonWriter;

// Writes the jobs as one array value at the writer's current position.
void WriteJobTree(JsonWriter& json, const JobList& jobs);
// As above, calling afterJob each time a job and its children are written, so that a caller
// can pass a large tree on in pieces (JsonWriter::TakeText) rather than hold all of its text.
void WriteJobTree(JsonWriter& json, const JobList& jobs,
                  const std::function<void(JsonWriter&)>& afterJob);
// The jobs as a complete UTF-8 JSON document.
std::string JobTreeToJson(const JobList& jobs);

}  // namespace vl
