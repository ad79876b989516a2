#include "client/cli/PlanOptions.h"

#include <gtest/gtest.h>

namespace vl {
namespace {

TEST(PlanOptions, FlagsInAnyOrderOrNone) {
  PlanOptions options;
  String error;
  ASSERT_TRUE(ParsePlanOptions({}, options, error));
  EXPECT_FALSE(options.synchronize);
  EXPECT_FALSE(options.json);
  EXPECT_FALSE(options.stats);
  ASSERT_TRUE(ParsePlanOptions({VLT("--stats"), VLT("--json"), VLT("--sync")}, options, error));
  EXPECT_TRUE(options.synchronize);
  EXPECT_TRUE(options.json);
  EXPECT_TRUE(options.stats);
  ASSERT_TRUE(ParsePlanOptions({VLT("--stats")}, options, error));
  EXPECT_FALSE(options.synchronize);
  EXPECT_FALSE(options.json);
}

TEST(PlanOptions, AnythingElseOrARepeatedFlagIsRefusedWithAReason) {
  for (const auto& args : std::vector<std::vector<String>>{
           {VLT("--mirror")}, {VLT("out.json")}, {VLT("--sync"), VLT("--sync")},
           {VLT("--stats"), VLT("--json"), VLT("--stats")}, {VLT("--stats=1")}, {VLT("")}}) {
    PlanOptions options;
    String error;
    EXPECT_FALSE(ParsePlanOptions(args, options, error));
    EXPECT_FALSE(error.empty());
  }
}

}  // namespace
}  // namespace vl
