#include "client/cli/ProgressLine.h"

#include <gtest/gtest.h>

namespace vl {
namespace {

TEST(InPlaceLine, EachUpdateReturnsToTheStartAndBlanksWhatWasLonger) {
  InPlaceLine line;
  EXPECT_EQ(line.Next(VLT("Backup: long.txt (5 %)")), VLT("\rBackup: long.txt (5 %)"));
  EXPECT_EQ(line.Next(VLT("Backup: a (9 %)")), VLT("\rBackup: a (9 %)       "));
  EXPECT_EQ(line.Next(VLT("Backup: abc (10 %)")), VLT("\rBackup: abc (10 %)"));
  EXPECT_EQ(line.Finish(), VLT("\n"));
}

TEST(InPlaceLine, FinishWithNothingShownWritesNothing) {
  InPlaceLine line;
  EXPECT_EQ(line.Finish(), VLT(""));
  line.Next(VLT("x"));
  EXPECT_EQ(line.Finish(), VLT("\n"));
  EXPECT_EQ(line.Finish(), VLT(""));
}

}  // namespace
}  // namespace vl
