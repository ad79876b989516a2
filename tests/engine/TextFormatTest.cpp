#include "client/engine/TextFormat.h"

#include <gtest/gtest.h>

namespace vl {
namespace {

TEST(FormatText, FillsStringAndNumberDirectivesInOrder) {
  EXPECT_EQ(FormatText(VLT("Backup: %s (%d %%)"), {VLT("report.doc"), 42}),
            VLT("Backup: report.doc (42 %)"));
}

TEST(FormatText, PrintsNegativeAndLargeNumbers) {
  EXPECT_EQ(FormatText(VLT("%d|%d"), {-7, int64_t{9'000'000'000}}), VLT("-7|9000000000"));
  EXPECT_EQ(DecimalText(INT64_MIN), VLT("-9223372036854775808"));
}

TEST(FormatText, DirectiveWithoutArgumentBecomesEmpty) {
  EXPECT_EQ(FormatText(VLT("[%s][%d]"), {VLT("a")}), VLT("[a][]"));
}

TEST(FormatText, OtherDirectivesAndATrailingPercentStayAsTheyAre) {
  EXPECT_EQ(FormatText(VLT("%x 100%"), {VLT("unused")}), VLT("%x 100%"));
}

TEST(FormatText, ArgumentTextIsNotReinterpreted) {
  EXPECT_EQ(FormatText(VLT("%s"), {VLT("50 %d %s")}), VLT("50 %d %s"));
}

}  // namespace
}  // namespace vl
