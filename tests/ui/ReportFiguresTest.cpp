// What the report shows of a run: which result line and colour, and the figures as text.
#include <gtest/gtest.h>

#include "client/ui/logic/ReportFigures.h"

namespace vl {
namespace {

constexpr int64_t kAbove32Bits = (int64_t{1} << 32) + 7;  // 4294967303

RunStats CleanRun() {
  RunStats stats;
  stats.fileCount = 12;
  stats.folderCount = 3;
  stats.copiedNew = 9;
  stats.copiedChanged = 2;
  stats.totalBytes = 1048576;
  stats.startTime = 1700000000;
  stats.endTime = 1700000000 + 3725;
  return stats;
}

TEST(ReportResult, ErrorWhenOnlyTheListHasRecords) {
  const ReportFigures figures = MakeReportFigures(CleanRun(), 2);
  EXPECT_EQ(figures.resultTextId, kReportErrorText);
  EXPECT_EQ(figures.resultColour, kReportErrorColour);
}

TEST(ReportResult, ErrorWhenOnlyTheCounterCounted) {
  RunStats stats = CleanRun();
  stats.errorCount = 1;
  const ReportFigures figures = MakeReportFigures(stats, 0);
  EXPECT_EQ(figures.resultTextId, kReportErrorText);
  EXPECT_EQ(figures.resultColour, kReportErrorColour);
}

TEST(ReportResult, ErrorWhenTheCounterIsNegative) {
  // Anything but zero counts: a corrupted counter must not pass for a clean run.
  RunStats stats = CleanRun();
  stats.errorCount = -1;
  EXPECT_EQ(MakeReportFigures(stats, 0).resultTextId, kReportErrorText);
}

TEST(ReportResult, SuccessWithNeitherCounterNorRecords) {
  const ReportFigures figures = MakeReportFigures(CleanRun(), 0);
  EXPECT_EQ(figures.resultTextId, kReportSuccessText);
  EXPECT_EQ(figures.resultColour, kReportSuccessColour);
  EXPECT_NE(kReportSuccessColour, kReportErrorColour);
}

TEST(ReportFigureTexts, EachCountGoesToItsOwnFigure) {
  const ReportFigures figures = MakeReportFigures(CleanRun(), 0);
  EXPECT_EQ(figures.files, VLT("12"));
  EXPECT_EQ(figures.folders, VLT("3"));
  EXPECT_EQ(figures.newCopies, VLT("9"));
  EXPECT_EQ(figures.updates, VLT("2"));
  EXPECT_EQ(figures.totalSize, VLT("1.00 MB"));
  EXPECT_EQ(figures.elapsed, VLT("01:02:05"));
}

TEST(ReportFigureTexts, CountsBeyond32BitsAreNotCut) {
  RunStats stats = CleanRun();
  stats.fileCount = kAbove32Bits;
  stats.folderCount = kAbove32Bits + 1;
  stats.copiedNew = kAbove32Bits + 2;
  stats.copiedChanged = INT64_MAX;
  const ReportFigures figures = MakeReportFigures(stats, 0);
  EXPECT_EQ(figures.files, VLT("4294967303"));
  EXPECT_EQ(figures.folders, VLT("4294967304"));
  EXPECT_EQ(figures.newCopies, VLT("4294967305"));
  EXPECT_EQ(figures.updates, VLT("9223372036854775807"));
}

TEST(ReportFigureTexts, NegativeCountsKeepTheirSign) {
  RunStats stats = CleanRun();
  stats.fileCount = INT64_MIN;
  stats.copiedNew = -1;
  const ReportFigures figures = MakeReportFigures(stats, 0);
  EXPECT_EQ(figures.files, VLT("-9223372036854775808"));
  EXPECT_EQ(figures.newCopies, VLT("-1"));
}

TEST(ReportFigureTexts, SizeBeyond32BitsInGigabytes) {
  RunStats stats = CleanRun();
  stats.totalBytes = 5 * (int64_t{1} << 40);
  EXPECT_EQ(MakeReportFigures(stats, 0).totalSize, VLT("5120.00 GB"));
}

TEST(ReportFigureTexts, NegativeSizeShowsItsLow32BitsAsBytes) {
  RunStats stats = CleanRun();
  stats.totalBytes = -1;
  EXPECT_EQ(MakeReportFigures(stats, 0).totalSize, VLT("-1   B"));
  stats.totalBytes = -(int64_t{1} << 32) + 5;
  EXPECT_EQ(MakeReportFigures(stats, 0).totalSize, VLT("5   B"));
}

TEST(ReportFigureTexts, ElapsedIsEndMinusStart) {
  RunStats stats = CleanRun();
  stats.startTime = 100;
  stats.endTime = 100 + 25 * 3600;
  EXPECT_EQ(MakeReportFigures(stats, 0).elapsed, VLT("01:00:00")) << "whole days not shown";
}

TEST(ReportFigureTexts, ElapsedOfAClockThatWentBackKeepsItsSigns) {
  RunStats stats = CleanRun();
  stats.startTime = 1700003725;
  stats.endTime = 1700000000;
  EXPECT_EQ(MakeReportFigures(stats, 0).elapsed, VLT("-1:-2:-5"));
}

TEST(ReportFigureTexts, ElapsedBeyondTheRangeWrapsInsteadOfOverflowing) {
  // Times that were never set properly must still give some text, not undefined arithmetic.
  RunStats stats = CleanRun();
  stats.startTime = 0;
  stats.endTime = INT64_MAX;
  EXPECT_EQ(MakeReportFigures(stats, 0).elapsed, VLT("15:30:07"));
  stats.startTime = -1;
  EXPECT_EQ(MakeReportFigures(stats, 0).elapsed, VLT("-15:-30:-8")) << "wrapped to INT64_MIN";
}

}  // namespace
}  // namespace vl
