#pragma once
// The result of `vlbackup plan --json`: one document, so that a script parses it in one go.
//   {"jobs": [ job tree, see JobTreeJson ], "stats": { counters in RunStats order }}
#include <functional>
#include <string>

#include "client/engine/RunState.h"

namespace vl {

// Receives the document's UTF-8 text in order, a piece at a time.
using TextSink = std::function<void(const std::string& utf8)>;

// The text goes out in pieces of about kPlanJsonPiece bytes: the text of a large tree is as
// big again as the tree, and a 32-bit process should not hold both.
constexpr size_t kPlanJsonPiece = 64 * 1024;
void WritePlanJson(const JobList& jobs, const RunStats& stats, const TextSink& out);

}  // namespace vl
