// A run never takes a failure for "missing": a folder that cannot be listed, on either side,
// and an item whose status cannot be read, become error records with the system's code, and
// nothing below them is copied over or deleted, synchronizing or not.
#include <gtest/gtest.h>

#include "client/model/PathJoin.h"
#include "tests/engine/run/RunFixture.h"

namespace vl::test {
namespace {

class UnreadableTest : public RunFixture {
 protected:
  // A backed-up item whose sub-folder Sub holds two files, both copied already.
  UnreadableTest() {
    for (const Char* name : {VLT("a.txt"), VLT("b.txt")}) {
      fs.AddFile(model::JoinPath(VLT("C:\\Data\\Sub"), name), 4, kOld);
      fs.AddFile(model::JoinPath(VLT("T:\\B\\Data\\Sub"), name), 4, kOld);
    }
    fs.AddFile(VLT("C:\\Data\\top.txt"), 2, kNew);
    AddItem(VLT("C:\\Data"));
  }

  bool TargetCopiesKept() {
    return fs.Exists(VLT("T:\\B\\Data\\Sub\\a.txt")) && fs.Exists(VLT("T:\\B\\Data\\Sub\\b.txt"));
  }
};

TEST_F(UnreadableTest, AFolderThatCannotBeListedOnEitherSideIsAnErrorAndLosesNothing) {
  const struct {
    const char* what;
    const Char* folder;
    uint32_t code;
  } cases[] = {
      {"source denied", VLT("C:\\Data\\Sub"), kSysAccessDenied},
      {"source device gone", VLT("C:\\Data\\Sub"), kSysNotReady},
      {"target denied", VLT("T:\\B\\Data\\Sub"), kSysAccessDenied},
  };
  for (const bool mirror : {false, true}) {
    for (const auto& c : cases) {
      SCOPED_TRACE(std::string(c.what) + (mirror ? ", synchronizing" : ""));
      fs.ClearFailures();
      fs.InjectFailure(FakeOp::List, c.folder, c.code);
      State().synchronize = mirror;
      EXPECT_EQ(Run(), DONE_OK);
      EXPECT_EQ(Errors(), (std::vector<ErrorRecord>{Error(c.folder, IDS_ERROR_READ_FOLDER)}));
      ASSERT_EQ(State().errorList.size(), 1u);
      EXPECT_EQ(State().errorList[0]->systemCode, c.code);
      EXPECT_TRUE(TargetCopiesKept());
      EXPECT_EQ(Stats().deletedFiles + Stats().deletedFolders, 0);
      EXPECT_TRUE(State().deletedList.empty());
    }
  }
  EXPECT_TRUE(fs.Exists(VLT("T:\\B\\Data\\top.txt"))) << "the readable rest is backed up";
}

// A source listed as a whole is the only proof that an entry is gone; one it lists counts as
// present even where its path is too long to query, so its copy is never deleted.
TEST_F(UnreadableTest, AnEntryTheSourceListsIsNeverDeletedFromTheTarget) {
  const String name(240, VLT('n'));
  const String target = model::JoinPath(VLT("T:\\B\\Deep"), name);
  fs.AddFile(model::JoinPath(VLT("C:\\a-longer-folder\\Deep"), name), 1, kOld);
  fs.AddFile(target, 1, kOld);
  AddItem(VLT("C:\\a-longer-folder\\Deep"));
  State().synchronize = true;
  Run();
  EXPECT_EQ(Stats().deletedFiles + Stats().deletedFolders, 0);
  EXPECT_TRUE(fs.Exists(target)) << "the source's path is too long to copy, not gone";
}

TEST_F(UnreadableTest, AnItemThatCannotBeReadIsAnErrorAndAMissingOneIsSkippedSilently) {
  fs.InjectFailure(FakeOp::Status, VLT("C:\\Data"), kSysAccessDenied);
  State().synchronize = true;
  EXPECT_EQ(Run(), DONE_OK);
  EXPECT_EQ(Errors(), (std::vector<ErrorRecord>{Error(VLT("C:\\Data"), IDS_ERROR_READ_FOLDER)}));
  EXPECT_TRUE(TargetCopiesKept());

  fs.ClearFailures();
  fs.InjectFailure(FakeOp::Status, VLT("C:\\Data"), kSysPathNotFound);
  EXPECT_EQ(Run(), DONE_NOTHING);
  EXPECT_TRUE(TargetCopiesKept());
}

// Partial copies go with a deleted tree and are not the user's deletions.
TEST_F(UnreadableTest, ASynchronizingRunListsWhatItDeleted) {
  fs.AddFile(VLT("T:\\B\\Data\\gone.txt"), 3, kOld);
  fs.AddFile(VLT("T:\\B\\Data\\Old\\x.txt"), 3, kOld);
  fs.AddFile(VLT("T:\\B\\Data\\Old\\x.txt.~vlpart"), 3, kOld);
  State().synchronize = true;
  EXPECT_EQ(Run(), DONE_OK);
  ASSERT_EQ(State().deletedList.size(), 2u);
  EXPECT_EQ(State().deletedList[0].path, VLT("T:\\B\\Data\\gone.txt"));
  EXPECT_FALSE(State().deletedList[0].isFolder);
  EXPECT_EQ(State().deletedList[1].path, VLT("T:\\B\\Data\\Old"));
  EXPECT_TRUE(State().deletedList[1].isFolder);
  EXPECT_EQ(Stats().fileCount, 3) << "top.txt, gone.txt and Old\\x.txt";
}

}  // namespace
}  // namespace vl::test
