#include "client/cli/PlanJson.h"

#include "client/engine/JobTreeJson.h"
#include "client/engine/RunStatsReport.h"
#include "core/text/JsonWriter.h"

namespace vl {

void WritePlanJson(const JobList& jobs, const RunStats& stats, const TextSink& out) {
  JsonWriter json;
  json.BeginObject();
  json.Key(std::string_view("jobs"));
  WriteJobTree(json, jobs, [&out](JsonWriter& written) {
    if (written.Text().size() >= kPlanJsonPiece) out(written.TakeText());
  });
  json.Key(std::string_view("stats"));
  WriteRunStats(json, stats);
  json.EndObject();
  out(json.TakeText());
}

}  // namespace vl
