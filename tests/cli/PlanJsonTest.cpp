#include "client/cli/PlanJson.h"

#include <gtest/gtest.h>

#include "client/engine/JobActions.h"
#include "client/engine/JobTreeJson.h"
#include "client/engine/RunStatsReport.h"
#include "core/text/JsonWriter.h"
#include "tests/support/JobBuilder.h"

namespace vl {
namespace {

std::unique_ptr<CJobItem> Job(uint32_t action, const String& name, uint64_t size) {
  return MakeJob(action, name, size, VLT("C:\\"), VLT("T:\\"));
}

std::vector<std::string> PlanPieces(const JobList& jobs, const RunStats& stats) {
  std::vector<std::string> pieces;
  WritePlanJson(jobs, stats, [&pieces](const std::string& utf8) { pieces.push_back(utf8); });
  return pieces;
}

std::string PlanText(const JobList& jobs, const RunStats& stats) {
  std::string text;
  for (const std::string& piece : PlanPieces(jobs, stats)) text += piece;
  return text;
}

TEST(PlanJson, JobsWithTheirChildrenThenTheCountersInBlockOrder) {
  JobList jobs;
  jobs.push_back(Job(JOB_EXISTING_FOLDER, VLT("D"), 0));
  jobs.back()->children.push_back(Job(JOB_CHANGED_FILE, VLT("\u00E9.txt"), 12));
  RunStats stats;
  stats.totalBytes = 12;
  stats.jobCount = 2;
  const std::string json = PlanText(jobs, stats);
  const std::string file =
      "        {\n"
      "          \"action\": \"CHANGED_FILE\",\n"
      "          \"isFolder\": false,\n"
      "          \"isNew\": false,\n"
      "          \"name\": \"\xC3\xA9.txt\",\n"
      "          \"sourcePath\": \"C:\\\\\xC3\xA9.txt\",\n"
      "          \"targetPath\": \"T:\\\\\xC3\xA9.txt\",\n"
      "          \"size\": 12,\n"
      "          \"children\": []\n"
      "        }\n";
  EXPECT_NE(json.find(file), std::string::npos) << json;
  EXPECT_EQ(json.rfind("{\n  \"jobs\": [\n    {\n      \"action\": \"EXISTING_FOLDER\"", 0), 0u)
      << json;
  const size_t stats_at = json.find("  \"stats\": {\n    \"totalBytes\": 12,\n    \"doneBytes\": 0,\n"
                                    "    \"jobCount\": 2,");
  EXPECT_NE(stats_at, std::string::npos) << json;
  EXPECT_EQ(json.substr(json.size() - 6), "  }\n}\n");
}

TEST(PlanJson, ALargeTreeGoesOutInBoundedPiecesThatJoinIntoTheWholeDocument) {
  JobList jobs;
  jobs.push_back(Job(JOB_CREATE_FOLDER, VLT("D"), 0));
  for (int i = 0; i < 2000; ++i) {
    jobs.back()->children.push_back(Job(JOB_NEW_FILE, VLT("f") + String(100, VLT('x')), 1));
  }
  const std::vector<std::string> pieces = PlanPieces(jobs, RunStats{});
  ASSERT_GT(pieces.size(), 2u);
  std::string joined;
  for (const std::string& piece : pieces) {
    EXPECT_LT(piece.size(), kPlanJsonPiece + 4096);
    joined += piece;
  }
  JsonWriter whole;
  whole.BeginObject();
  whole.Key(std::string_view("jobs"));
  WriteJobTree(whole, jobs);
  whole.Key(std::string_view("stats"));
  WriteRunStats(whole, RunStats{});
  whole.EndObject();
  EXPECT_EQ(joined, whole.Text());
}

}  // namespace
}  // namespace vl
