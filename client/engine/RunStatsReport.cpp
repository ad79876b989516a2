#include "client/engine/RunStatsReport.h"

#include "core/text/JsonWriter.h"

namespace vl {
namespace {

struct StatField {
  const char* name;
  int64_t RunStats::*member;
};

constexpr StatField kFields[] = {
    {"totalBytes", &RunStats::totalBytes},
    {"doneBytes", &RunStats::doneBytes},
    {"jobCount", &RunStats::jobCount},
    {"folderCount", &RunStats::folderCount},
    {"fileCount", &RunStats::fileCount},
    {"createdFolders", &RunStats::createdFolders},
    {"copiedNew", &RunStats::copiedNew},
    {"copiedChanged", &RunStats::copiedChanged},
    {"deletedFolders", &RunStats::deletedFolders},
    {"deletedFiles", &RunStats::deletedFiles},
    {"errorCount", &RunStats::errorCount},
    {"startTime", &RunStats::startTime},
    {"endTime", &RunStats::endTime},
};

}  // namespace

void ForEachRunStat(const RunStats& stats,
                    const std::function<void(const char* name, int64_t value)>& visit) {
  for (const StatField& field : kFields) visit(field.name, stats.*field.member);
}

std::string RunStatsText(const RunStats& stats) {
  std::string text;
  ForEachRunStat(stats, [&text](const char* name, int64_t value) {
    text += name;
    text += ": ";
    text += std::to_string(value);
    text += '\n';
  });
  return text;
}

void WriteRunStats(JsonWriter& json, const RunStats& stats) {
  json.BeginObject();
  ForEachRunStat(stats, [&json](const char* name, int64_t value) {
    json.Key(std::string_view(name));
    json.NumberValue(value);
  });
  json.EndObject();
}

}  // namespace vl
