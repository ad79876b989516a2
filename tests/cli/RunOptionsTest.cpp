#include "client/cli/RunOptions.h"

#include <gtest/gtest.h>

namespace vl {
namespace {

struct Parsed {
  bool ok;
  RunOptions options;
  String error;
};

Parsed Parse(std::vector<String> args) {
  Parsed p;
  p.ok = ParseRunOptions(args, p.options, p.error);
  return p;
}

TEST(RunOptions, NoFlagsRunsEveryItemWithoutDeletions) {
  const Parsed p = Parse({});
  ASSERT_TRUE(p.ok);
  EXPECT_FALSE(p.options.synchronize);
  EXPECT_FALSE(p.options.json);
  EXPECT_FALSE(p.options.stats);
  EXPECT_EQ(p.options.itemIndex, -1);
}

TEST(RunOptions, EveryFlagInAnyOrder) {
  const Parsed p = Parse({VLT("--json"), VLT("--item"), VLT("12"), VLT("--stats"), VLT("--sync")});
  ASSERT_TRUE(p.ok) << std::string(p.error.begin(), p.error.end());
  EXPECT_TRUE(p.options.synchronize);
  EXPECT_TRUE(p.options.json);
  EXPECT_TRUE(p.options.stats);
  EXPECT_EQ(p.options.itemIndex, 12);
}

TEST(RunOptions, ItemNeedsAPlainIndex) {
  for (const Char* bad : {VLT("-1"), VLT("x"), VLT("1x"), VLT(""), VLT("1234567890")}) {
    EXPECT_FALSE(Parse({VLT("--item"), bad}).ok);
  }
  const Parsed missing = Parse({VLT("--item")});
  EXPECT_FALSE(missing.ok);
  EXPECT_NE(missing.error.find(VLT("--item")), String::npos);
}

TEST(RunOptions, RepeatedAndUnknownFlagsAreRefusedByName) {
  const Parsed twice = Parse({VLT("--sync"), VLT("--sync")});
  EXPECT_FALSE(twice.ok);
  EXPECT_EQ(twice.error, VLT("--sync given twice"));
  EXPECT_FALSE(Parse({VLT("--item"), VLT("0"), VLT("--item"), VLT("1")}).ok);
  const Parsed unknown = Parse({VLT("--dry-run")});
  EXPECT_FALSE(unknown.ok);
  EXPECT_EQ(unknown.error, VLT("run does not take --dry-run"));
}

}  // namespace
}  // namespace vl
