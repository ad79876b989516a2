#include "client/engine/Progress.h"

#include <gtest/gtest.h>

#include <cstddef>

#include "client/engine/JobActions.h"
#include "client/engine/LineProgressView.h"
#include "client/engine/TextProvider.h"
#include "client/model/JobItem.h"
#include "tests/support/RecordingProgressView.h"

namespace vl {
namespace {

using test::RecordingProgressView;

class ProgressTest : public ::testing::Test {
 protected:
  ProgressTest() : progress(state, texts, view) {}

  void SetBytes(int64_t done, int64_t total) {
    state.stats.doneBytes = done;
    state.stats.totalBytes = total;
  }

  CRunState state;
  EnglishTexts texts;
  RecordingProgressView view;
  CRunProgress progress;
};

TEST_F(ProgressTest, ShowsPercentOnTheBarTheStatusLineAndTheCaption) {
  SetBytes(42, 100);
  progress.UpdateProgress(VLT("report.doc"));
  EXPECT_EQ(view.percents, std::vector<int>{42});
  EXPECT_EQ(view.statuses, std::vector<String>{VLT("Backup: report.doc (42 %)")});
  EXPECT_EQ(view.captions, std::vector<String>{VLT("Vaultline (42 %)")});
  EXPECT_EQ(state.currentName, VLT("report.doc"));
}

TEST_F(ProgressTest, PercentDropsTheRemainder) {
  SetBytes(2, 3);
  EXPECT_EQ(PercentDone(state.stats), 66);
  SetBytes(int64_t{999'999'999'999}, int64_t{1'000'000'000'000});
  EXPECT_EQ(PercentDone(state.stats), 99);
}

TEST_F(ProgressTest, NothingToCopyShowsAHundredPercent) {
  SetBytes(0, 0);
  progress.UpdateProgress(VLT("Docs"));
  EXPECT_EQ(view.percents, std::vector<int>{100});
  EXPECT_EQ(view.statuses.back(), VLT("Backup: Docs (100 %)"));
}

TEST_F(ProgressTest, AnEmptyNameKeepsThePreviousOne) {
  SetBytes(10, 100);
  progress.UpdateProgress(VLT("big.iso"));
  SetBytes(50, 100);
  progress.UpdateProgress(String());
  EXPECT_EQ(view.statuses.back(), VLT("Backup: big.iso (50 %)"));
  EXPECT_EQ(state.currentName, VLT("big.iso"));
}

TEST_F(ProgressTest, TextsComeFromTheProvider) {
  class Texts : public ITextProvider {
   public:
    String Text(uint32_t id) const override {
      return id == IDS_STATUS_PROGRESS ? VLT("[%s] %d%%") : VLT("VL");
    }
  } other;
  CRunProgress localized(state, other, view);
  SetBytes(1, 4);
  localized.UpdateProgress(VLT("a.txt"));
  EXPECT_EQ(view.statuses.back(), VLT("[a.txt] 25%"));
  EXPECT_EQ(view.captions.back(), VLT("VL (25 %)"));
}

TEST_F(ProgressTest, AnalysisStatusNamesThePathWhenTheNameIsEmpty) {
  progress.ShowAnalyzing(VLT("Docs"), VLT("C:\\Work\\Docs"));
  progress.ShowAnalyzing(String(), VLT("E:\\"));
  EXPECT_EQ(view.statuses,
            (std::vector<String>{VLT("Analyzing : Docs"), VLT("Analyzing : E:\\")}));
}

std::unique_ptr<CJobItem> Job(uint32_t action, uint64_t size) {
  auto job = std::make_unique<CSyncItem>();
  job->action = action;
  job->isFolder = IsFolderAction(action) ? 1 : 0;
  job->size = size;
  return job;
}

TEST(FolderTotalSize, SumsFileSizesAtEveryDepth) {
  auto top = Job(JOB_CREATE_FOLDER, 0);
  top->children.push_back(Job(JOB_NEW_FILE, 5'000'000'000));
  auto sub = Job(JOB_CREATE_FOLDER, 0);
  sub->children.push_back(Job(JOB_NEW_FILE, 7));
  sub->children.push_back(Job(JOB_CREATE_FOLDER, 0));
  top->children.push_back(std::move(sub));
  EXPECT_EQ(FolderTotalSize(*top), int64_t{5'000'000'007});
  EXPECT_EQ(FolderTotalSize(*Job(JOB_CREATE_FOLDER, 0)), 0);
}

TEST(RunState, StartsIdleWithEveryItemToBackUp) {
  const CRunState state;
  EXPECT_FALSE(state.active);
  EXPECT_FALSE(state.CancelRequested());
  EXPECT_EQ(state.runItemIndex, -1);
  EXPECT_FALSE(state.running);
  EXPECT_EQ(state.stats.jobCount, 0);
}

TEST(RunState, AnErrorIsRecordedAndCounted) {
  CRunState state;
  state.AddError(VLT("C:\\a.txt"), VLT("Failed to copy the file(s)."));
  ASSERT_EQ(state.errorList.size(), 1u);
  EXPECT_EQ(state.errorList[0]->path, VLT("C:\\a.txt"));
  EXPECT_EQ(state.stats.errorCount, 1);
  state.ClearLists();
  EXPECT_TRUE(state.errorList.empty());
}

TEST(LineProgressView, WritesEachDifferentStatusLineOnce) {
  std::vector<String> lines;
  LineProgressView view([&lines](const String& line) { lines.push_back(line); });
  for (const Char* status : {VLT("Backup: a (1 %)"), VLT("Backup: a (1 %)"), VLT(""),
                             VLT("Backup: a (2 %)")}) {
    view.ShowStatus(status);
  }
  EXPECT_EQ(lines, (std::vector<String>{VLT("Backup: a (1 %)"), VLT("Backup: a (2 %)")}));
}

TEST(RunStats, HoldsThirteenSignedCountersInOrder) {
  static_assert(sizeof(RunStats) == 13 * sizeof(int64_t), "the report takes the block as is");
  EXPECT_EQ(offsetof(RunStats, totalBytes), 0u);
  EXPECT_EQ(offsetof(RunStats, errorCount), 10 * sizeof(int64_t));
  EXPECT_EQ(offsetof(RunStats, endTime), 12 * sizeof(int64_t));
}

}  // namespace
}  // namespace vl
