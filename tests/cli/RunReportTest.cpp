#include "client/cli/RunReport.h"

#include <gtest/gtest.h>

#include <utility>

#include "client/cli/CliFailure.h"
#include "client/cli/RunExitStatus.h"
#include "client/engine/TextProvider.h"
#include "tests/support/SampleRun.h"

namespace vl {
namespace {

// A string table that has its own text for a few ids, and none for the rest.
class TableTexts : public ITextProvider {
 public:
  String Text(uint32_t id) const override {
    if (id == IDS_REPORT_SUCCESS) return VLT("Fertig");
    if (id == IDS_MSG_NOTHING_TO_BACK_UP) return VLT("Nichts zu tun");
    return String();
  }
};

String SampleSystemMessage(uint32_t code) {
  return code == 32 ? String(VLT("Sharing violation")) : String();
}

class RunReportTest : public ::testing::Test {
 protected:
  RunReportTest() { state.stats = SampleRunStats(); }

  CRunState state;
  EnglishTexts english;
};

TEST_F(RunReportTest, ACompletedRunShowsTheResultLineAndTheSixFigures) {
  EXPECT_EQ(RunReportText(DONE_OK, state, english),
            VLT("The process has been completed successfully\n"
                "File: 12\n"
                "Folder: 3\n"
                "New Backup: 9\n"
                "Update: 2\n"
                "Total Size: 1.00 MB\n"
                "Estimated time: 01:02:05\n"));
  EXPECT_EQ(RunExitStatus(DONE_OK, state), kExitOk);
}

TEST_F(RunReportTest, ErrorsTurnTheResultLineAndFollowAsRowsInOrder) {
  state.AddError(VLT("C:\\src\\b.txt"), VLT("Failed to copy the file(s)."));
  state.AddError(VLT("T:\\B\\sub"), VLT("Failed to create the target folder."));
  const String text = RunReportText(DONE_OK, state, english);
  EXPECT_EQ(text.substr(0, text.find(VLT('\n'))), VLT("Error occurred"));
  const String rows = VLT("File Name\tError\n"
                          "C:\\src\\b.txt\tFailed to copy the file(s).\n"
                          "T:\\B\\sub\tFailed to create the target folder.\n");
  ASSERT_GE(text.size(), rows.size());
  EXPECT_EQ(text.substr(text.size() - rows.size()), rows);
  EXPECT_EQ(RunExitStatus(DONE_OK, state), kExitErrors);
}

TEST_F(RunReportTest, NothingDoneAndCancelledRunsGiveOnlyTheirMessage) {
  EXPECT_EQ(RunReportText(DONE_NOTHING, state, english),
            VLT("There is no item to be backed up.\n"));
  EXPECT_EQ(RunReportText(DONE_CANCELLED, state, english),
            VLT("The job has been cancelled by the user.\n"));
  EXPECT_EQ(RunExitStatus(DONE_NOTHING, state), kExitOk);
  EXPECT_EQ(RunExitStatus(DONE_CANCELLED, state), kExitCancelled);
  state.AddError(VLT("x"), VLT("y"));
  EXPECT_EQ(RunExitStatus(DONE_CANCELLED, state), kExitCancelled);
}

TEST_F(RunReportTest, TheStringTableWinsAndEnglishFillsItsGaps) {
  TableTexts table;
  EXPECT_EQ(ResultLine(DONE_OK, state, table), VLT("Fertig"));
  EXPECT_EQ(ResultLine(DONE_NOTHING, state, table), VLT("Nichts zu tun"));
  state.AddError(VLT("x"), VLT("y"));
  EXPECT_EQ(ResultLine(DONE_OK, state, table), VLT("Error occurred"));
  EXPECT_EQ(ReportText(table, IDS_COLUMN_FILE_NAME), VLT("File Name"));
}

// Every run's deletions and skipped items follow what the completion shows, in their order.
TEST_F(RunReportTest, DeletionsAndSkippedItemsFollowEveryReport) {
  state.AddError(VLT("C:\\src\\b.txt"), VLT("Failed to copy the file(s)."));
  state.deletedList = {{VLT("T:\\Docs\\old"), true}, {VLT("T:\\Docs\\x.txt"), false}};
  state.skippedItems = {VLT("E:\\Stick"), VLT("\\\\nas\\share")};
  const String tail = VLT("Deleted folder: T:\\Docs\\old\n"
                          "Deleted file: T:\\Docs\\x.txt\n"
                          "Not on this computer: E:\\Stick\n"
                          "Not on this computer: \\\\nas\\share\n");
  const struct {
    RunCompletion code;
    const Char* head;
  } cases[] = {
      {DONE_OK, VLT("C:\\src\\b.txt\tFailed to copy the file(s).\n")},
      {DONE_CANCELLED, VLT("The job has been cancelled by the user.\n")},
      {DONE_NOTHING, VLT("There is no item to be backed up.\n")},
  };
  for (const auto& c : cases) {
    const String text = RunReportText(c.code, state, english);
    const String expected = c.head + tail;
    ASSERT_GE(text.size(), expected.size()) << c.code;
    EXPECT_EQ(text.substr(text.size() - expected.size()), expected) << c.code;
  }
}

// Code 0 means the failure had none: nothing is looked up, and no text suggests a reason.
TEST_F(RunReportTest, AnErrorWithoutASystemCodeHasAnEmptySystemMessage) {
  state.AddError(VLT("C:\\b"), VLT("Not backed up: another item ..."));
  bool asked = false;
  const SystemMessageFn lookup = [&asked](uint32_t) {
    asked = true;
    return String(VLT("The operation completed successfully"));
  };
  const std::string expected = "\"systemCode\": 0,\n      \"systemMessage\": \"\"\n";
  EXPECT_NE(RunReportJson(DONE_OK, state, english, lookup).find(expected), std::string::npos);
  EXPECT_FALSE(asked);
}

TEST_F(RunReportTest, JsonCarriesTheSameFiguresCountsAsNumbers) {
  state.AddError(VLT("C:\\r\u00e9sum\u00e9.txt"), VLT("Failed to copy the file(s)."), 32);
  state.deletedList = {{VLT("T:\\old"), true}, {VLT("T:\\x.txt"), false}};
  state.skippedItems = {VLT("E:\\Stick")};
  EXPECT_EQ(RunReportJson(DONE_OK, state, english, SampleSystemMessage),
            "{\n"
            "  \"completion\": \"done\",\n"
            "  \"result\": \"Error occurred\",\n"
            "  \"file\": 12,\n"
            "  \"folder\": 3,\n"
            "  \"newBackup\": 9,\n"
            "  \"update\": 2,\n"
            "  \"totalSize\": \"1.00 MB\",\n"
            "  \"estimatedTime\": \"01:02:05\",\n"
            "  \"totalBytes\": 1048576,\n"
            "  \"elapsedSeconds\": 3725,\n"
            "  \"errors\": [\n"
            "    {\n"
            "      \"path\": \"C:\\\\r\xc3\xa9sum\xc3\xa9.txt\",\n"
            "      \"message\": \"Failed to copy the file(s).\",\n"
            "      \"systemCode\": 32,\n"
            "      \"systemMessage\": \"Sharing violation\"\n"
            "    }\n"
            "  ],\n"
            "  \"deleted\": [\n"
            "    {\n"
            "      \"path\": \"T:\\\\old\",\n"
            "      \"folder\": true\n"
            "    },\n"
            "    {\n"
            "      \"path\": \"T:\\\\x.txt\",\n"
            "      \"folder\": false\n"
            "    }\n"
            "  ],\n"
            "  \"skipped\": [\n"
            "    \"E:\\\\Stick\"\n"
            "  ]\n"
            "}\n");
}

TEST_F(RunReportTest, JsonNamesEachCompletion) {
  const std::pair<RunCompletion, const char*> cases[] = {
      {DONE_NOTHING, "\"completion\": \"nothing\""},
      {DONE_CANCELLED, "\"completion\": \"cancelled\""},
  };
  for (const auto& [code, line] : cases) {
    EXPECT_NE(RunReportJson(code, state, english, nullptr).find(line), std::string::npos) << line;
  }
}

}  // namespace
}  // namespace vl
