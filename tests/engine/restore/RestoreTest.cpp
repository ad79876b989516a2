// Restoring a version: what it writes, what it refuses, and that nothing the user had is lost
// when a restore replaces it or fails halfway.
#include "client/engine/restore/Restore.h"

#include <gtest/gtest.h>

#include "core/text/Utf.h"
#include "tests/engine/restore/RestoreFixture.h"

namespace vl::test {
namespace {

const String kSource = VLT("C:\\Docs\\a.txt");
const String kCurrent = VLT("T:\\B\\Docs\\a.txt");
const String kHistory = VLT("T:\\B\\Docs\\_VLHistory");
const String kOld = VLT("T:\\B\\Docs\\_VLHistory\\a_VL20261101000000.txt");
// The history copy a replace at the fixture's clock makes.
const String kKept = VLT("T:\\B\\Docs\\_VLHistory\\a_VL20261209100000.txt");

class RestoreTest : public RestoreFixture {
 protected:
  RestoreTest() {
    fs.AddFileWithContent(kCurrent, "backed up", kBackedUp);
    fs.AddFileWithContent(kOld, "old", kBackedUp - 5000);
  }

  RestoreOutcome Restore(const String& stamp, const String& destination, bool replace) {
    list = Find(kSource);
    const FileVersion* version = FindVersionByStamp(list, stamp);
    EXPECT_NE(version, nullptr);
    return RestoreVersion(fs, clock, list, *version, destination, replace);
  }

  VersionList list;
};

TEST_F(RestoreTest, AnOldVersionGoesIntoANewFolderWithItsBytesAndTime) {
  const RestoreOutcome outcome =
      Restore(VLT("20261101000000"), VLT("C:\\Out\\Deep\\a.txt"), false);
  EXPECT_TRUE(outcome.Ok());
  EXPECT_EQ(outcome.files, 1u);
  EXPECT_EQ(fs.Content(VLT("C:\\Out\\Deep\\a.txt")), "old");
  FileStatus status;
  ASSERT_TRUE(fs.GetStatus(VLT("C:\\Out\\Deep\\a.txt"), status));
  EXPECT_EQ(status.lastWriteTime, kBackedUp - 5000);
  EXPECT_EQ(status.creationTime, kBackedUp - 5000);
}

TEST_F(RestoreTest, AnExistingFileIsRefusedWithoutReplaceAndKeptInHistoryWithIt) {
  fs.AddFileWithContent(kSource, "mine now", kBackedUp + 60);
  const RestoreOutcome refused = Restore(VLT("current"), kSource, false);
  EXPECT_EQ(refused.message, IDS_RESTORE_EXISTS);
  EXPECT_EQ(fs.Content(kSource), "mine now");
  EXPECT_FALSE(fs.Exists(kKept));

  fs.SetRawAttributes(kSource, kAttrReadOnly);
  const RestoreOutcome replaced = Restore(VLT("20261101000000"), kSource, true);
  EXPECT_TRUE(replaced.Ok());
  EXPECT_EQ(fs.Content(kSource), "old");
  EXPECT_EQ(replaced.keptCopy, kKept);
  EXPECT_EQ(fs.Content(kKept), "mine now");
  FileStatus kept;
  ASSERT_TRUE(fs.GetStatus(kKept, kept));
  EXPECT_EQ(kept.attributes & kAttrReadOnly, 0u);  // or a prune could never remove it
  EXPECT_EQ(Find(kSource).versions.size(), 3u);  // the replaced file is a version now
}

TEST_F(RestoreTest, AFailureOnTheWayLeavesTheDestinationAsItWas) {
  struct Case {
    const char* what;
    FakeOp op;
    String path;
    TextId message;
  } const cases[] = {
      {"the copy", FakeOp::Copy, kOld, IDS_RESTORE_COPY_FAILED},
      {"the rename into place", FakeOp::Move, kSource + VLT(".~vlpart"), IDS_RESTORE_COPY_FAILED},
      {"keeping the file", FakeOp::Copy, kSource, IDS_RESTORE_KEEP_FAILED},
      {"the history folder", FakeOp::CreateFolder, kHistory, IDS_RESTORE_KEEP_FAILED},
  };
  for (const Case& c : cases) {
    fs.RemoveFile(kSource);
    fs.AddFileWithContent(kSource, "mine now", kBackedUp + 60);
    fs.InjectFailure(c.op, c.path, kSysDiskFull);
    const RestoreOutcome outcome = Restore(VLT("20261101000000"), kSource, true);
    fs.ClearFailures();
    EXPECT_FALSE(outcome.Ok()) << c.what;
    EXPECT_EQ(outcome.message, c.message) << c.what;
    EXPECT_EQ(fs.Content(kSource), "mine now") << c.what;
    EXPECT_FALSE(fs.Exists(kSource + VLT(".~vlpart"))) << c.what;
  }
}

TEST_F(RestoreTest, DestinationsInTheBackupAreRefusedBeforeAnythingIsWritten) {
  struct Case {
    const Char* destination;
    TextId message;
  } const cases[] = {
      {VLT("T:\\B\\Docs\\_vlhistory\\a.txt"), IDS_RESTORE_INTO_HISTORY},
      {VLT("T:\\B\\Docs\\a.txt"), IDS_RESTORE_INTO_SOURCE},
      {VLT("t:/b/Elsewhere/a.txt"), IDS_RESTORE_IN_TARGET},
      {VLT(""), IDS_RESTORE_NOTHING},
  };
  for (const Case& c : cases) {
    const RestoreOutcome outcome = Restore(VLT("current"), c.destination, true);
    EXPECT_EQ(outcome.message, c.message) << ToUtf8(c.destination);
    EXPECT_EQ(outcome.files, 0u);
  }
  EXPECT_EQ(fs.Content(kCurrent), "backed up");
  EXPECT_FALSE(fs.Exists(VLT("T:\\B\\Elsewhere")));
}

class FolderRestoreTest : public RestoreFixture {
 protected:
  FolderRestoreTest() {
    fs.AddFileWithContent(VLT("T:\\B\\Docs\\a.txt"), "a", kBackedUp);
    fs.AddFileWithContent(VLT("T:\\B\\Docs\\Sub\\Deeper\\b.txt"), "b", kBackedUp - 10);
    fs.AddFolder(VLT("T:\\B\\Docs\\Empty"));
    fs.SetRawTimes(VLT("T:\\B\\Docs\\Sub\\Deeper"),
                   {kBackedUp - 7, kBackedUp - 6, kBackedUp - 5});
    fs.AddFile(VLT("T:\\B\\Docs\\_VLHistory\\a_VL20261101000000.txt"), 1, kBackedUp);
    fs.AddFile(VLT("T:\\B\\Docs\\Sub\\b.txt.~vlpart"), 1, kBackedUp);
    list = Find(VLT("C:\\Docs"));
  }
  RestoreOutcome Restore(const String& destination, bool replace) {
    return RestoreVersion(fs, clock, list, list.versions.at(0), destination, replace);
  }
  VersionList list;
};

TEST_F(FolderRestoreTest, TheCurrentTreeComesBackWithoutTheBackupsHousekeeping) {
  const RestoreOutcome outcome = Restore(VLT("C:\\Out\\Docs"), false);
  EXPECT_TRUE(outcome.Ok());
  EXPECT_EQ(outcome.files, 2u);
  EXPECT_EQ(fs.Content(VLT("C:\\Out\\Docs\\Sub\\Deeper\\b.txt")), "b");
  FileStatus folder;
  ASSERT_TRUE(fs.GetStatus(VLT("C:\\Out\\Docs\\Sub\\Deeper"), folder));
  EXPECT_EQ(folder.lastWriteTime, kBackedUp - 5);
  EXPECT_TRUE(fs.Exists(VLT("C:\\Out\\Docs\\Empty")));
  EXPECT_FALSE(fs.Exists(VLT("C:\\Out\\Docs\\_VLHistory")));
  EXPECT_FALSE(fs.Exists(VLT("C:\\Out\\Docs\\Sub\\b.txt.~vlpart")));
}

TEST_F(FolderRestoreTest, OneTakenFileRefusesTheWholeTreeUnlessReplaced) {
  fs.AddFileWithContent(VLT("C:\\Docs\\Sub\\Deeper\\b.txt"), "mine", kBackedUp + 1);
  EXPECT_TRUE(RestoreWouldReplace(fs, list, VLT("C:\\Docs")));
  EXPECT_FALSE(RestoreWouldReplace(fs, list, VLT("C:\\Fresh")));
  const RestoreOutcome refused = Restore(VLT("C:\\Docs"), false);
  EXPECT_EQ(refused.message, IDS_RESTORE_EXISTS);
  EXPECT_FALSE(fs.Exists(VLT("C:\\Docs\\a.txt")));

  const RestoreOutcome replaced = Restore(VLT("C:\\Docs"), true);
  EXPECT_TRUE(replaced.Ok());
  EXPECT_EQ(fs.Content(VLT("C:\\Docs\\Sub\\Deeper\\b.txt")), "b");
  EXPECT_EQ(fs.Content(VLT("T:\\B\\Docs\\Sub\\Deeper\\_VLHistory\\b_VL20261209100000.txt")),
            "mine");
}

}  // namespace
}  // namespace vl::test
