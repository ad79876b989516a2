#include "client/cli/CliArgs.h"

#include <gtest/gtest.h>

namespace vl {
namespace {

struct Parsed {
  bool ok;
  CliCommand command;
  String error;
};

Parsed Parse(std::vector<String> argv) {
  Parsed p;
  p.ok = ParseCliArgs(argv, p.command, p.error);
  return p;
}

TEST(CliArgs, SetFileBeforeVerbAndVerbArgumentsKeptInOrder) {
  const Parsed p = Parse({VLT("--set"), VLT("C:\\a b\\x.bsf"), VLT("resave"), VLT("out.bsf")});
  ASSERT_TRUE(p.ok);
  EXPECT_EQ(p.command.setFile, VLT("C:\\a b\\x.bsf"));
  EXPECT_EQ(p.command.verb, VLT("resave"));
  EXPECT_EQ(p.command.args, std::vector<String>{VLT("out.bsf")});
}

TEST(CliArgs, FlagsAfterTheVerbBelongToTheVerb) {
  const Parsed p = Parse({VLT("plan"), VLT("--sync"), VLT("--json")});
  ASSERT_TRUE(p.ok);
  EXPECT_TRUE(p.command.setFile.empty());
  EXPECT_EQ(p.command.args, (std::vector<String>{VLT("--sync"), VLT("--json")}));
}

TEST(CliArgs, MalformedCommandLinesAreRefusedWithAReason) {
  for (const auto& argv : std::vector<std::vector<String>>{
           {},
           {VLT("--set")},
           {VLT("--set"), VLT("")},
           {VLT("--set"), VLT("x.bsf")},
           {VLT("--bogus"), VLT("show")},
       }) {
    const Parsed p = Parse(argv);
    EXPECT_FALSE(p.ok);
    EXPECT_FALSE(p.error.empty());
  }
}

}  // namespace
}  // namespace vl
