// The arguments of versions, restore and history prune: what each accepts, and that every
// malformed line is refused rather than half understood.
#include "client/cli/RestoreOptions.h"

#include <gtest/gtest.h>

#include "core/text/Utf.h"

namespace vl {
namespace {

std::string Joined(const std::vector<String>& args) {
  std::string text;
  for (const String& arg : args) text += ToUtf8(arg) + " ";
  return text;
}

TEST(RestoreOptions, AcceptedLines) {
  struct Case {
    std::vector<String> args;
    const Char* path;
    const Char* version;
    bool latest;
    const Char* to;
    bool replace;
  } const cases[] = {
      {{VLT("C:\\a.txt")}, VLT("C:\\a.txt"), VLT(""), false, VLT(""), false},
      {{VLT("--replace"), VLT("a"), VLT("--latest")}, VLT("a"), VLT(""), true, VLT(""), true},
      {{VLT("a"), VLT("--version"), VLT("2026-12-08 14:30:00"), VLT("--to"), VLT("D:\\Out")},
       VLT("a"), VLT("2026-12-08 14:30:00"), false, VLT("D:\\Out"), false},
  };
  for (const Case& c : cases) {
    RestoreOptions options;
    String error;
    ASSERT_TRUE(ParseRestoreOptions(c.args, options, error)) << Joined(c.args) << ToUtf8(error);
    EXPECT_EQ(options.path, String(c.path));
    EXPECT_EQ(options.version, String(c.version));
    EXPECT_EQ(options.latest, c.latest);
    EXPECT_EQ(options.toFolder, String(c.to));
    EXPECT_EQ(options.replace, c.replace);
  }
}

TEST(RestoreOptions, RefusedLines) {
  const std::vector<String> cases[] = {
      {},
      {VLT("--replace")},
      {VLT("a"), VLT("b")},
      {VLT("a"), VLT("--version")},
      {VLT("a"), VLT("--version"), VLT("")},
      {VLT("a"), VLT("--to")},
      {VLT("a"), VLT("--latest"), VLT("--version"), VLT("20261208143000")},
      {VLT("a"), VLT("--version"), VLT("1"), VLT("--version"), VLT("2")},
      {VLT("a"), VLT("--replace"), VLT("--replace")},
      {VLT("a"), VLT("--force")},
  };
  for (const auto& args : cases) {
    RestoreOptions options;
    String error;
    EXPECT_FALSE(ParseRestoreOptions(args, options, error)) << Joined(args);
    EXPECT_FALSE(error.empty()) << Joined(args);
  }
}

TEST(PruneOptions, NeedsARuleAndTakesWholeNumbers) {
  struct Case {
    std::vector<String> args;
    bool ok;
    int32_t keep;
    int32_t days;
    bool dryRun;
  } const cases[] = {
      {{VLT("prune"), VLT("--keep"), VLT("1")}, true, 1, -1, false},
      {{VLT("prune"), VLT("--older-than"), VLT("30"), VLT("--dry-run")}, true, -1, 30, true},
      {{VLT("prune"), VLT("--keep"), VLT("0"), VLT("--older-than"), VLT("0")}, true, 0, 0, false},
      {{VLT("prune")}, false, -1, -1, false},
      {{VLT("prune"), VLT("--dry-run")}, false, -1, -1, false},
      {{VLT("--keep"), VLT("1")}, false, -1, -1, false},
      {{}, false, -1, -1, false},
      {{VLT("prune"), VLT("--keep")}, false, -1, -1, false},
      {{VLT("prune"), VLT("--keep"), VLT("-1")}, false, -1, -1, false},
      {{VLT("prune"), VLT("--keep"), VLT("1x")}, false, -1, -1, false},
      {{VLT("prune"), VLT("--keep"), VLT("99999999999")}, false, -1, -1, false},
      {{VLT("prune"), VLT("--keep"), VLT("1"), VLT("--keep"), VLT("2")}, false, -1, -1, false},
      {{VLT("prune"), VLT("--keep"), VLT("1"), VLT("extra")}, false, -1, -1, false},
  };
  for (const Case& c : cases) {
    PruneOptions options;
    String error;
    EXPECT_EQ(ParsePruneOptions(c.args, options, error), c.ok) << Joined(c.args);
    if (!c.ok) continue;
    EXPECT_EQ(options.keepNewest, c.keep) << Joined(c.args);
    EXPECT_EQ(options.olderThanDays, c.days) << Joined(c.args);
    EXPECT_EQ(options.dryRun, c.dryRun) << Joined(c.args);
  }
}

}  // namespace
}  // namespace vl
