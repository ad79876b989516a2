// One item's backup never touches another's: items whose copies would share a target folder
// are not merged (the first keeps it, each later one is an error), and a target inside an item
// is never copied into itself.
#include <gtest/gtest.h>

#include "tests/engine/run/RunFixture.h"

namespace vl::test {
namespace {

class PlacementTest : public RunFixture {
 protected:
  // Two users' Documents; the first one's is backed up already.
  void AddTwoDocuments() {
    fs.AddFile(VLT("C:\\home1\\Documents\\a.txt"), 1, kOld);
    fs.AddFile(VLT("T:\\B\\Documents\\a.txt"), 1, kOld);
    fs.AddFile(VLT("C:\\home2\\documents\\b.txt"), 2, kOld);
    AddItem(VLT("C:\\home1\\Documents"));
    AddItem(VLT("C:\\home2\\documents"));
  }
};

TEST_F(PlacementTest, ALaterItemOfTheSameNameIsAnErrorInEveryKindOfRun) {
  AddTwoDocuments();
  for (const int32_t only : {-1, 1}) {
    SCOPED_TRACE(only);
    State().synchronize = true;
    State().runItemIndex = only;
    EXPECT_EQ(Run(), DONE_OK);
    EXPECT_EQ(Errors(), (std::vector<ErrorRecord>{
                            Error(VLT("C:\\home2\\documents"), IDS_ERROR_SAME_TARGET)}));
    EXPECT_TRUE(fs.Exists(VLT("T:\\B\\Documents\\a.txt")));
    EXPECT_FALSE(fs.Exists(VLT("T:\\B\\Documents\\b.txt")));
  }
}

TEST_F(PlacementTest, ARootBesideOtherItemsIsAnErrorSinceItsContentsWouldMergeWithThem) {
  AddTwoDocuments();
  fs.AddVolume(VLT("E:\\"), 0xE0E0, VLT("FAT32"));
  fs.AddFile(VLT("E:\\p.jpg"), 3, kOld);
  AddItem(VLT("E:\\"));
  State().synchronize = true;
  EXPECT_EQ(Run(), DONE_OK);
  EXPECT_EQ(Errors(),
            (std::vector<ErrorRecord>{Error(VLT("C:\\home2\\documents"), IDS_ERROR_SAME_TARGET),
                                      Error(VLT("E:\\"), IDS_ERROR_SAME_TARGET)}));
  EXPECT_TRUE(fs.Exists(VLT("T:\\B\\Documents\\a.txt")));
}

TEST_F(PlacementTest, ATargetInsideAnItemIsNeverCopiedIntoItself) {
  fs.AddFile(VLT("C:\\Data\\a.txt"), 1, kOld);
  fs.AddFolder(VLT("C:\\Data\\Backup"));
  AddItem(VLT("C:\\Data"));
  settings.targetFolder = VLT("c:\\data\\BACKUP\\");
  for (int run = 0; run < 2; ++run) EXPECT_NE(Run(), DONE_CANCELLED);
  EXPECT_TRUE(fs.Exists(VLT("C:\\Data\\Backup\\Data\\a.txt")));
  EXPECT_FALSE(fs.Exists(VLT("C:\\Data\\Backup\\Data\\Backup")));
  EXPECT_TRUE(Errors().empty());
}

TEST_F(PlacementTest, AnItemInsideTheTargetIsAnError) {
  fs.AddFile(VLT("T:\\B\\Inner\\a.txt"), 1, kOld);
  AddItem(VLT("T:\\B\\Inner"));
  EXPECT_EQ(Run(), DONE_OK);
  EXPECT_EQ(Errors(),
            (std::vector<ErrorRecord>{Error(VLT("T:\\B\\Inner"), IDS_ERROR_TARGET_OVERLAP)}));
}

}  // namespace
}  // namespace vl::test
