#include "client/engine/JobTreeJson.h"

#include "client/engine/JobActions.h"
#include "client/model/JobItem.h"
#include "core/text/JsonWriter.h"

namespace vl {
namespace {

void WriteJob(JsonWriter& json, const CJobItem& job,
              const std::function<void(JsonWriter&)>& afterJob) {
  json.BeginObject();
  json.Key("action");
  json.StringValue(std::string_view(JobActionName(job.action)));
  json.Key("isFolder");
  json.BoolValue(job.isFolder != 0);
  json.Key("isNew");
  json.BoolValue(job.isNew != 0);
  json.Key("name");
  json.StringValue(StringView(job.name));
  json.Key("sourcePath");
  json.StringValue(StringView(job.sourcePath()));
  json.Key("targetPath");
  json.StringValue(StringView(job.targetPath()));
  json.Key("size");
  json.NumberValue(static_cast<uint64_t>(job.size));
  json.Key("children");
  WriteJobTree(json, job.children, afterJob);
  json.EndObject();
  if (afterJob) afterJob(json);
}

}  // namespace

void WriteJobTree(JsonWriter& json, const JobList& jobs) { WriteJobTree(json, jobs, {}); }

void WriteJobTree(JsonWriter& json, const JobList& jobs,
                  const std::function<void(JsonWriter&)>& afterJob) {
  json.BeginArray();
  for (const auto& job : jobs) WriteJob(json, *job, afterJob);
  json.EndArray();
}

std::string JobTreeToJson(const JobList& jobs) {
  JsonWriter json;
  WriteJobTree(json, jobs);
  return json.Text();
}

}  // namespace vl
