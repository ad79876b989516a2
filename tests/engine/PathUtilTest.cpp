#include "client/engine/PathUtil.h"

#include <gtest/gtest.h>

namespace vl {
namespace {

TEST(PathUtil, SplitsAtTheLastBackslash) {
  EXPECT_EQ(PathLastPart(VLT("C:\\Work\\q1.xls")), VLT("q1.xls"));
  EXPECT_EQ(PathBeforeLastPart(VLT("C:\\Work\\q1.xls")), VLT("C:\\Work"));
  EXPECT_EQ(PathBeforeLastPart(VLT("F:\\q1.xls")), VLT("F:"));
  EXPECT_EQ(PathLastPart(VLT("plain")), VLT("plain"));
  EXPECT_EQ(PathBeforeLastPart(VLT("plain")), VLT(""));
}

TEST(PathUtil, NamesCompareWithoutRegardToCase) {
  EXPECT_TRUE(EqualsNoCase(VLT("_vlhistory"), VLT("_VLHistory")));
  EXPECT_TRUE(EqualsNoCase(VLT("R\u00E9sum\u00E9.DOC"), VLT("R\u00C9SUM\u00C9.doc")));
  EXPECT_TRUE(EqualsNoCase(VLT("\u0444\u0430\u0439\u043B"), VLT("\u0424\u0410\u0419\u041B")));
  EXPECT_TRUE(EqualsNoCase(VLT("\u03C3\u03C2"), VLT("\u03A3\u03A3")));
  EXPECT_TRUE(EqualsNoCase(VLT("\u0101\u017E"), VLT("\u0100\u017D")));
}

TEST(PathUtil, DifferentNamesStayDifferent) {
  EXPECT_FALSE(EqualsNoCase(VLT("a.txt"), VLT("a.txt ")));
  EXPECT_FALSE(EqualsNoCase(VLT("\u00F7"), VLT("\u00D7")));  // division and multiplication sign
  EXPECT_FALSE(EqualsNoCase(VLT("@"), VLT("`")));
}

}  // namespace
}  // namespace vl
