// The report's size and time texts at their unit boundaries. Built in both trees, so that the
// C library of each formats the decimals alike.
#include "client/engine/ReportFormat.h"

#include <gtest/gtest.h>

namespace vl {
namespace {

TEST(FormatSize, BytesBelowOneKibibyteAreShownAsTheyAre) {
  EXPECT_EQ(FormatSize(0), VLT("0   B"));
  EXPECT_EQ(FormatSize(1023), VLT("1023   B"));
  EXPECT_EQ(FormatSize(-1), VLT("-1   B"));
  EXPECT_EQ(FormatSize(-(int64_t{1} << 32) + 5), VLT("5   B")) << "the low 32 bits only";
}

TEST(FormatSize, LargerSizesTakeTheirUnitWithTwoDecimals) {
  EXPECT_EQ(FormatSize(1024), VLT("1.00 KB"));
  EXPECT_EQ(FormatSize(1536), VLT("1.50 KB"));
  EXPECT_EQ(FormatSize(1048575), VLT("1024.00 KB"));
  EXPECT_EQ(FormatSize(1048576), VLT("1.00 MB"));
  EXPECT_EQ(FormatSize(1073741823), VLT("1024.00 MB"));
  EXPECT_EQ(FormatSize(1073741824), VLT("1.00 GB"));
  EXPECT_EQ(FormatSize(5 * (int64_t{1} << 40)), VLT("5120.00 GB"));
}

TEST(FormatElapsed, HoursMinutesAndSecondsWithoutDays) {
  EXPECT_EQ(FormatElapsed(0), VLT("00:00:00"));
  EXPECT_EQ(FormatElapsed(3725), VLT("01:02:05"));
  EXPECT_EQ(FormatElapsed(86399), VLT("23:59:59"));
  EXPECT_EQ(FormatElapsed(25 * 3600), VLT("01:00:00"));
}

TEST(FormatElapsed, ANegativeSpanKeepsItsSigns) {
  EXPECT_EQ(FormatElapsed(-5), VLT("00:00:-5"));
  EXPECT_EQ(FormatElapsed(-3725), VLT("-1:-2:-5"));
}

}  // namespace
}  // namespace vl
