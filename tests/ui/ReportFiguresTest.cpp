// What the report shows of a run: which result line and colour, and the figures as text.
#include <gtest/gtest.h>

#include <vector>

#include "client/ui/logic/ReportFigures.h"
#include "tests/support/SampleRun.h"

namespace vl {
namespace {

constexpr int64_t kAbove32Bits = (int64_t{1} << 32) + 7;  // 4294967303

// The four count figures of the sample run with these counters: files, folders, new copies,
// updates.
std::vector<String> CountTexts(int64_t files, int64_t folders, int64_t newCopies, int64_t updates) {
  RunStats stats = SampleRunStats();
  stats.fileCount = files;
  stats.folderCount = folders;
  stats.copiedNew = newCopies;
  stats.copiedChanged = updates;
  const ReportFigures figures = MakeReportFigures(stats, 0);
  return {figures.files, figures.folders, figures.newCopies, figures.updates};
}

String SizeText(int64_t totalBytes) {
  RunStats stats = SampleRunStats();
  stats.totalBytes = totalBytes;
  return MakeReportFigures(stats, 0).totalSize;
}

String ElapsedText(int64_t startTime, int64_t endTime) {
  RunStats stats = SampleRunStats();
  stats.startTime = startTime;
  stats.endTime = endTime;
  return MakeReportFigures(stats, 0).elapsed;
}

TEST(ReportResult, AnyRecordOrAnyCountedErrorMakesItAnError) {
  struct Case {
    int64_t counted;  // the run's error counter
    size_t records;   // entries in its error list
    uint32_t text;
    uint32_t colour;
  };
  // A negative counter is corrupted, and must not pass for a clean run either.
  const Case cases[] = {{0, 2, IDS_REPORT_ERROR, kReportErrorColour},
                        {1, 0, IDS_REPORT_ERROR, kReportErrorColour},
                        {-1, 0, IDS_REPORT_ERROR, kReportErrorColour},
                        {0, 0, IDS_REPORT_SUCCESS, kReportSuccessColour}};
  for (const Case& c : cases) {
    RunStats stats = SampleRunStats();
    stats.errorCount = c.counted;
    const ReportFigures figures = MakeReportFigures(stats, c.records);
    EXPECT_EQ(figures.resultTextId, c.text) << "counted " << c.counted << ", records " << c.records;
    EXPECT_EQ(figures.resultColour, c.colour)
        << "counted " << c.counted << ", records " << c.records;
  }
  EXPECT_NE(kReportSuccessColour, kReportErrorColour);
}

TEST(ReportFigureTexts, EachCountGoesToItsOwnFigure) {
  const ReportFigures figures = MakeReportFigures(SampleRunStats(), 0);
  EXPECT_EQ(figures.files, VLT("12"));
  EXPECT_EQ(figures.folders, VLT("3"));
  EXPECT_EQ(figures.newCopies, VLT("9"));
  EXPECT_EQ(figures.updates, VLT("2"));
  EXPECT_EQ(figures.totalSize, VLT("1.00 MB"));
  EXPECT_EQ(figures.elapsed, VLT("01:02:05"));
}

TEST(ReportFigureTexts, CountsBeyond32BitsAreNotCut) {
  EXPECT_EQ(CountTexts(kAbove32Bits, kAbove32Bits + 1, kAbove32Bits + 2, INT64_MAX),
            (std::vector<String>{VLT("4294967303"), VLT("4294967304"), VLT("4294967305"),
                                 VLT("9223372036854775807")}));
}

TEST(ReportFigureTexts, NegativeCountsKeepTheirSign) {
  EXPECT_EQ(CountTexts(INT64_MIN, 3, -1, 2),
            (std::vector<String>{VLT("-9223372036854775808"), VLT("3"), VLT("-1"), VLT("2")}));
}

TEST(ReportFigureTexts, SizeBeyond32BitsInGigabytes) {
  EXPECT_EQ(SizeText(5 * (int64_t{1} << 40)), VLT("5120.00 GB"));
}

TEST(ReportFigureTexts, NegativeSizeShowsItsLow32BitsAsBytes) {
  EXPECT_EQ(SizeText(-1), VLT("-1   B"));
  EXPECT_EQ(SizeText(-(int64_t{1} << 32) + 5), VLT("5   B"));
}

TEST(ReportFigureTexts, ElapsedIsEndMinusStart) {
  EXPECT_EQ(ElapsedText(100, 100 + 25 * 3600), VLT("01:00:00")) << "whole days not shown";
}

TEST(ReportFigureTexts, ElapsedOfAClockThatWentBackKeepsItsSigns) {
  EXPECT_EQ(ElapsedText(1700003725, 1700000000), VLT("-1:-2:-5"));
}

TEST(ReportFigureTexts, ElapsedBeyondTheRangeWrapsInsteadOfOverflowing) {
  // Times that were never set properly must still give some text, not undefined arithmetic.
  EXPECT_EQ(ElapsedText(0, INT64_MAX), VLT("15:30:07"));
  EXPECT_EQ(ElapsedText(-1, INT64_MAX), VLT("-15:-30:-8")) << "wrapped to INT64_MIN";
}

}  // namespace
}  // namespace vl
