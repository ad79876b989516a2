// How much the analysis reads, and how it stops when the run is cancelled.
#include <algorithm>

#include <gtest/gtest.h>

#include "tests/engine/AnalyserFixture.h"

namespace vl::test {
namespace {

class AnalyserBudgetTest : public AnalyserFixture {
 protected:
  // Both sides with files that match, differ, exist on one side only, and folders of each kind.
  void AddMixedTree() {
    AddCopied(VLT("C:\\S\\same.txt"), VLT("T:\\B\\S\\same.txt"), 1);
    fs.AddFile(VLT("C:\\S\\new.txt"), 1, kWritten);
    fs.AddFile(VLT("T:\\B\\S\\gone.txt"), 1, kWritten);
    AddCopied(VLT("C:\\S\\sub\\same2.txt"), VLT("T:\\B\\S\\sub\\same2.txt"), 1);
    fs.AddFile(VLT("C:\\S\\sub\\new2.txt"), 1, kWritten);
    fs.AddFile(VLT("C:\\S\\newdir\\x.txt"), 1, kWritten);
    fs.AddFile(VLT("T:\\B\\S\\gonedir\\y.txt"), 1, kWritten);
  }
};

TEST_F(AnalyserBudgetTest, EachFolderIsListedOncePerSide) {
  AddMixedTree();
  Analyse(VLT("C:\\S"), VLT("T:\\B"), true);
  std::vector<String> listed = fs.ListLog();
  std::sort(listed.begin(), listed.end());
  EXPECT_EQ(listed, (std::vector<String>{VLT("C:\\S"), VLT("C:\\S\\newdir"), VLT("C:\\S\\sub"),
                                         VLT("T:\\B\\S"), VLT("T:\\B\\S\\gonedir"),
                                         VLT("T:\\B\\S\\sub")}));
}

// The listings of both sides carry every file's status: no file is asked about on its own.
TEST_F(AnalyserBudgetTest, NoFileIsAskedForItsStatus) {
  AddMixedTree();
  Analyse(VLT("C:\\S"), VLT("T:\\B"), true);
  for (const Char* path :
       {VLT("C:\\S\\same.txt"), VLT("T:\\B\\S\\same.txt"), VLT("C:\\S\\sub\\same2.txt"),
        VLT("T:\\B\\S\\sub\\same2.txt"), VLT("C:\\S\\new.txt"), VLT("T:\\B\\S\\new.txt"),
        VLT("C:\\S\\gone.txt"), VLT("T:\\B\\S\\gone.txt"), VLT("C:\\S\\newdir\\x.txt"),
        VLT("T:\\B\\S\\newdir"), VLT("C:\\S\\gonedir"), VLT("C:\\S\\gonedir\\y.txt"),
        VLT("T:\\B\\S\\sub\\new2.txt")}) {
    EXPECT_EQ(fs.StatusQueries(path), 0u);
  }
  EXPECT_EQ(fs.VolumeQueries(), 2u) << "one per volume, not per file";
}

TEST_F(AnalyserBudgetTest, ARootWithNothingOnItStillComparesCorrectly) {
  // An empty root cannot be listed at all, so its counterparts are asked for one by one.
  fs.AddFile(VLT("E:\\a.txt"), 3, kWritten);
  fs.AddVolume(VLT("Z:\\"), 0x2020, VLT("NTFS"));
  EXPECT_EQ(Analyse(VLT("E:\\"), VLT("Z:\\")),
            "EXISTING_FOLDER D old \"\" 0 E:\\ > Z:\\\n"
            "  NEW_FILE F new \"a.txt\" 3 E:\\a.txt > Z:\\a.txt\n");
}

TEST_F(AnalyserBudgetTest, CancelStopsTheWalkersAtTheNextFolder) {
  fs.AddFile(VLT("C:\\S\\a\\a1.txt"), 1, kWritten);
  fs.AddFile(VLT("C:\\S\\b\\b1.txt"), 2, kWritten);
  fs.AddFile(VLT("C:\\S\\b\\inner\\i.txt"), 3, kWritten);
  fs.AddFile(VLT("C:\\S\\c\\c1.txt"), 4, kWritten);
  fs.AddFile(VLT("C:\\S\\z.txt"), 5, kWritten);
  view.onStatus = [this](const String& status) {
    if (status == VLT("Analyzing : b")) engine.State().cancelRequested = true;
  };
  EXPECT_EQ(Analyse(VLT("C:\\S")),
            "CREATE_FOLDER D new \"S\" 0 C:\\S > T:\\B\\S\n"
            "  CREATE_FOLDER D new \"a\" 0 C:\\S\\a > T:\\B\\S\\a\n"
            "    NEW_FILE F new \"a1.txt\" 1 C:\\S\\a\\a1.txt > T:\\B\\S\\a\\a1.txt\n"
            "  CREATE_FOLDER D new \"b\" 0 C:\\S\\b > T:\\B\\S\\b\n"
            "    NEW_FILE F new \"b1.txt\" 2 C:\\S\\b\\b1.txt > T:\\B\\S\\b\\b1.txt\n"
            "  NEW_FILE F new \"z.txt\" 5 C:\\S\\z.txt > T:\\B\\S\\z.txt\n");
  EXPECT_EQ(fs.ListQueries(VLT("C:\\S\\c")), 0u);
}

TEST_F(AnalyserBudgetTest, ACancelledRunAnalysesNoFurtherItem) {
  fs.AddFile(VLT("C:\\S\\a.txt"), 1, kWritten);
  engine.State().cancelRequested = true;
  EXPECT_EQ(Analyse(VLT("C:\\S")), "");
  EXPECT_TRUE(view.statuses.empty());
  EXPECT_EQ(fs.TotalListQueries(), 0u);
}

}  // namespace
}  // namespace vl::test
