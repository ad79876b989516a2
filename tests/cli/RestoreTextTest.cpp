// What the restore commands print and return: version labels that --version reads back, and
// the exit status that tells a refusal from a restore that ran into errors.
#include "client/cli/RestoreText.h"

#include <gtest/gtest.h>

#include "client/cli/CliFailure.h"

namespace vl {
namespace {

TEST(RestoreText, EachLabelReadsBackAsTheStampThatFindsItsVersion) {
  VersionList list;
  FileVersion current;
  current.current = true;
  FileVersion numbered;
  numbered.stamp = VLT("20261208143000");
  numbered.number = 2;
  FileVersion plain;
  plain.stamp = VLT("20261208143000");
  list.versions = {current, numbered, plain};
  EXPECT_EQ(VersionLabel(numbered), VLT("2026-12-08 14:30:00_2"));
  for (const FileVersion& version : list.versions) {
    const FileVersion* found = FindVersionByStamp(list, StampFromArgument(VersionLabel(version)));
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->number, version.number);
    EXPECT_EQ(found->current, version.current);
  }
}

TEST(RestoreText, ARefusalIsNotARestoreWithErrors) {
  struct Case {
    TextId message;
    size_t files;
    size_t failures;
    FsResult result;
    int status;
  } const cases[] = {
      {0, 1, 0, FsResult(), kExitOk},
      {IDS_RESTORE_EXISTS, 0, 1, FsResult(), kExitFailed},
      {IDS_RESTORE_INTO_HISTORY, 0, 0, FsResult(), kExitFailed},
      {IDS_RESTORE_EXISTS, 3, 1, FsResult(), kExitErrors},  // a folder restore that met one
      {IDS_RESTORE_COPY_FAILED, 0, 1, FsFailure(kSysDiskFull), kExitErrors},
      {IDS_RESTORE_KEEP_FAILED, 0, 1, FsFailure(kSysAccessDenied), kExitErrors},
      {IDS_RESTORE_READ_FAILED, 2, 1, FsFailure(kSysAccessDenied), kExitErrors},
  };
  for (const Case& c : cases) {
    RestoreOutcome outcome;
    outcome.message = c.message;
    outcome.files = c.files;
    outcome.failures = c.failures;
    outcome.result = c.result;
    EXPECT_EQ(RestoreExitStatus(outcome), c.status) << c.message << " " << c.files;
  }
}

}  // namespace
}  // namespace vl
