// The report's figure grid must end inside its skin whatever the font makes of the template.
#include "client/ui/logic/ColumnFit.h"

#include <gtest/gtest.h>

#include <numeric>
#include <vector>

namespace vl {
namespace {

struct FitCase {
  const char* what;
  std::vector<int> preferred;
  std::vector<int> needed;
  int available;
  std::vector<int> expected;
};

TEST(ColumnFit, ColumnsEndInsideTheRoomAndKeepTheirTexts) {
  const FitCase cases[] = {
      {"fits as the template says", {66, 69, 84, 66}, {40, 60, 70, 45}, 286, {66, 69, 84, 66}},
      {"a text wider than its column widens it",
       {20, 20, 20, 20}, {10, 10, 10, 35}, 286, {20, 20, 20, 35}},
      // A larger dialog font: the template's columns grow past the skin's edge; the value
      // "00:00:00" (the last column) must not be the one cut.
      {"the widest margins give back first",
       {82, 86, 105, 82}, {40, 60, 80, 60}, 286, {51, 71, 92, 72}},
      {"texts that cannot all fit share the room in proportion",
       {50, 50, 50, 50}, {100, 100, 100, 100}, 200, {50, 50, 50, 50}},
      {"no room at all", {10, 10}, {5, 5}, -3, {0, 0}},
      {"fewer needs than columns", {30, 30}, {40}, 100, {40, 30}},
  };
  for (const auto& c : cases) {
    const std::vector<int> widths = FitColumnWidths(c.preferred, c.needed, c.available);
    EXPECT_EQ(widths, c.expected) << c.what;
    EXPECT_LE(std::accumulate(widths.begin(), widths.end(), 0), std::max(c.available, 0))
        << c.what;
  }
}

}  // namespace
}  // namespace vl
