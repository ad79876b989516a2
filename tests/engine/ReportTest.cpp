// What the console tool prints: the job tree as JSON and the counters.
#include <gtest/gtest.h>

#include "client/engine/JobActions.h"
#include "client/engine/JobTreeJson.h"
#include "client/engine/RunStatsReport.h"
#include "client/model/JobItem.h"
#include "tests/support/JobBuilder.h"

namespace vl {
namespace {

std::unique_ptr<CJobItem> Job(uint32_t action, const String& name, uint64_t size) {
  return MakeJob(action, name, size, VLT("C:\\S\\"), VLT("T:\\"));
}

TEST(JobTreeJson, WritesEveryFieldAndNestsChildren) {
  JobList jobs;
  jobs.push_back(Job(JOB_EXISTING_FOLDER, VLT("d"), 0));
  jobs.back()->children.push_back(Job(JOB_CHANGED_FILE, VLT("\u00E9\"x"), 5'000'000'000));
  EXPECT_EQ(JobTreeToJson(jobs),
            "[\n"
            "  {\n"
            "    \"action\": \"EXISTING_FOLDER\",\n"
            "    \"isFolder\": true,\n"
            "    \"isNew\": false,\n"
            "    \"name\": \"d\",\n"
            "    \"sourcePath\": \"C:\\\\S\\\\d\",\n"
            "    \"targetPath\": \"T:\\\\d\",\n"
            "    \"size\": 0,\n"
            "    \"children\": [\n"
            "      {\n"
            "        \"action\": \"CHANGED_FILE\",\n"
            "        \"isFolder\": false,\n"
            "        \"isNew\": false,\n"
            "        \"name\": \"\xC3\xA9\\\"x\",\n"
            "        \"sourcePath\": \"C:\\\\S\\\\\xC3\xA9\\\"x\",\n"
            "        \"targetPath\": \"T:\\\\\xC3\xA9\\\"x\",\n"
            "        \"size\": 5000000000,\n"
            "        \"children\": []\n"
            "      }\n"
            "    ]\n"
            "  }\n"
            "]\n");
}

TEST(JobTreeJson, AnEmptyPlanIsAnEmptyArray) { EXPECT_EQ(JobTreeToJson(JobList{}), "[]\n"); }

TEST(RunStatsText, ListsEveryCounterInBlockOrder) {
  RunStats stats;
  stats.totalBytes = 1;
  stats.errorCount = -2;
  stats.endTime = 1'700'000'000;
  EXPECT_EQ(RunStatsText(stats),
            "totalBytes: 1\ndoneBytes: 0\njobCount: 0\nfolderCount: 0\nfileCount: 0\n"
            "createdFolders: 0\ncopiedNew: 0\ncopiedChanged: 0\ndeletedFolders: 0\n"
            "deletedFiles: 0\nerrorCount: -2\nstartTime: 0\nendTime: 1700000000\n");
}

TEST(JobActionName, NamesEveryActionAndFlagsUnknownOnes) {
  EXPECT_STREQ(JobActionName(JOB_DELETE_FILE), "DELETE_FILE");
  EXPECT_STREQ(JobActionName(JOB_NEW_FILE | JOB_CHANGED_FILE), "UNKNOWN");
}

}  // namespace
}  // namespace vl
