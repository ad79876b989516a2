#include <gtest/gtest.h>

#include "tests/engine/AnalyserFixture.h"

namespace vl::test {
namespace {

using AnalyserTest = AnalyserFixture;

TEST_F(AnalyserTest, ANewFolderItemCopiesEverythingExceptHistory) {
  fs.AddFile(VLT("C:\\Work\\Docs\\a.txt"), 5, kWritten);
  fs.AddFile(VLT("C:\\Work\\Docs\\sub\\b.txt"), 7, kWritten);
  fs.AddFile(VLT("C:\\Work\\Docs\\_vlhistory\\a_VL20140101000000.txt"), 3, kWritten);
  fs.AddFolder(VLT("C:\\Work\\Docs\\empty"));
  EXPECT_EQ(Analyse(VLT("C:\\Work\\Docs")),
            "CREATE_FOLDER D new \"Docs\" 0 C:\\Work\\Docs > T:\\B\\Docs\n"
            "  NEW_FILE F new \"a.txt\" 5 C:\\Work\\Docs\\a.txt > T:\\B\\Docs\\a.txt\n"
            "  CREATE_FOLDER D new \"sub\" 0 C:\\Work\\Docs\\sub > T:\\B\\Docs\\sub\n"
            "    NEW_FILE F new \"b.txt\" 7 C:\\Work\\Docs\\sub\\b.txt > T:\\B\\Docs\\sub\\b.txt\n"
            "  CREATE_FOLDER D new \"empty\" 0 C:\\Work\\Docs\\empty > T:\\B\\Docs\\empty\n");
  EXPECT_EQ(Stats().jobCount, 5);
  EXPECT_EQ(Stats().folderCount, 3);
  EXPECT_EQ(Stats().fileCount, 2);
  EXPECT_EQ(Stats().totalBytes, 12);
}

TEST_F(AnalyserTest, AnExistingFolderGetsOnlyWhatChanged) {
  AddCopied(VLT("C:\\Docs\\same.txt"), VLT("T:\\B\\Docs\\same.txt"), 4);
  fs.AddFile(VLT("C:\\Docs\\changed.txt"), 8, kWritten + 10);
  fs.AddFile(VLT("T:\\B\\Docs\\changed.txt"), 6, kWritten);
  fs.AddFile(VLT("C:\\Docs\\new.txt"), 2, kWritten);
  AddCopied(VLT("C:\\Docs\\sub\\kept.txt"), VLT("T:\\B\\Docs\\SUB\\kept.txt"), 1);
  EXPECT_EQ(Analyse(VLT("C:\\Docs")),
            "EXISTING_FOLDER D old \"Docs\" 0 C:\\Docs > T:\\B\\Docs\n"
            "  CHANGED_FILE F old \"changed.txt\" 8 C:\\Docs\\changed.txt > "
            "T:\\B\\Docs\\changed.txt\n"
            "  NEW_FILE F new \"new.txt\" 2 C:\\Docs\\new.txt > T:\\B\\Docs\\new.txt\n"
            "  EXISTING_FOLDER D old \"sub\" 0 C:\\Docs\\sub > T:\\B\\Docs\\sub\n");
  EXPECT_EQ(Stats().totalBytes, 10) << "unchanged files are not counted";
}

TEST_F(AnalyserTest, SameTimeWithADifferentSizeIsUnchanged) {
  fs.AddFile(VLT("C:\\Docs\\a.txt"), 100, kWritten);
  fs.AddFile(VLT("T:\\B\\Docs\\a.txt"), 1, kWritten);
  EXPECT_EQ(Analyse(VLT("C:\\Docs")), "EXISTING_FOLDER D old \"Docs\" 0 C:\\Docs > T:\\B\\Docs\n");
}

TEST_F(AnalyserTest, ADriveRootGoesStraightIntoTheTargetFolder) {
  fs.AddFile(VLT("E:\\photo.jpg"), 9, kWritten);
  fs.AddFolder(VLT("\\\\nas\\share\\Backup"));
  EXPECT_EQ(Analyse(VLT("E:\\"), VLT("\\\\nas\\share\\Backup")),
            "EXISTING_FOLDER D old \"\" 0 E:\\ > \\\\nas\\share\\Backup\n"
            "  NEW_FILE F new \"photo.jpg\" 9 E:\\photo.jpg > \\\\nas\\share\\Backup\\photo.jpg\n");
  EXPECT_EQ(view.statuses.front(), VLT("Analyzing : E:\\"));
}

TEST_F(AnalyserTest, ASingleFileItemIsOneTopLevelJob) {
  fs.AddFile(VLT("C:\\Work\\q1.xls"), 30, kWritten);
  EXPECT_EQ(Analyse(VLT("C:\\Work\\q1.xls")),
            "NEW_FILE F new \"q1.xls\" 30 C:\\Work\\q1.xls > T:\\B\\q1.xls\n");
}

TEST_F(AnalyserTest, AChangedSingleFileIsReplacedAndAnUnchangedOneLeftAlone) {
  fs.AddFile(VLT("C:\\Work\\q1.xls"), 30, kWritten + 1);
  fs.AddFile(VLT("T:\\B\\q1.xls"), 20, kWritten);
  AddCopied(VLT("C:\\Work\\q2.xls"), VLT("T:\\B\\q2.xls"), 5);
  EXPECT_EQ(Analyse(VLT("C:\\Work\\q1.xls"), VLT("T:\\B"), true),
            "CHANGED_FILE F old \"q1.xls\" 30 C:\\Work\\q1.xls > T:\\B\\q1.xls\n");
  engine.State().ClearLists();
  EXPECT_EQ(Analyse(VLT("C:\\Work\\q2.xls"), VLT("T:\\B"), true), "");
}

TEST_F(AnalyserTest, KindsThatDisagreeProduceNothing) {
  fs.AddFolder(VLT("C:\\Docs"));
  fs.AddFile(VLT("T:\\B\\Docs"), 1, kWritten);
  EXPECT_EQ(Analyse(VLT("C:\\Docs")), "") << "a folder item whose target is a file";
  fs.AddFile(VLT("C:\\Work\\a.txt"), 1, kWritten + 5);
  fs.AddFolder(VLT("T:\\B\\Work\\a.txt"));
  EXPECT_EQ(Analyse(VLT("C:\\Work")), "EXISTING_FOLDER D old \"Work\" 0 C:\\Work > T:\\B\\Work\n")
      << "a source file whose target is a folder";
}

TEST_F(AnalyserTest, WithoutSynchronizingTargetOnlyEntriesStay) {
  AddCopied(VLT("C:\\Docs\\a.txt"), VLT("T:\\B\\Docs\\a.txt"), 1);
  fs.AddFile(VLT("T:\\B\\Docs\\deleted.txt"), 40, kWritten);
  fs.AddFile(VLT("T:\\B\\Docs\\gone\\x.txt"), 50, kWritten);
  fs.AddFile(VLT("T:\\B\\Docs\\_VLHistory\\a_VL20140101000000.txt"), 1, kWritten);
  EXPECT_EQ(Analyse(VLT("C:\\Docs")), "EXISTING_FOLDER D old \"Docs\" 0 C:\\Docs > T:\\B\\Docs\n");
  EXPECT_EQ(Stats().fileCount, 0);
}

TEST_F(AnalyserTest, SynchronizingDeletesWhatTheSourceNoLongerHasAfterTheCopies) {
  fs.AddFile(VLT("C:\\Docs\\new.txt"), 1, kWritten);
  fs.AddFile(VLT("T:\\B\\Docs\\deleted.txt"), 40, kWritten);
  fs.AddFile(VLT("T:\\B\\Docs\\gone\\x.txt"), 50, kWritten);
  fs.AddFile(VLT("T:\\B\\Docs\\gone\\deeper\\y.txt"), 60, kWritten);
  EXPECT_EQ(Analyse(VLT("C:\\Docs"), VLT("T:\\B"), true),
            "EXISTING_FOLDER D old \"Docs\" 0 C:\\Docs > T:\\B\\Docs\n"
            "  NEW_FILE F new \"new.txt\" 1 C:\\Docs\\new.txt > T:\\B\\Docs\\new.txt\n"
            "  DELETE_FILE F new \"deleted.txt\" 40 C:\\Docs\\deleted.txt > "
            "T:\\B\\Docs\\deleted.txt\n"
            "  DELETE_FOLDER D new \"gone\" 0 C:\\Docs\\gone > T:\\B\\Docs\\gone\n"
            "    DELETE_FILE F new \"x.txt\" 50 C:\\Docs\\gone\\x.txt > T:\\B\\Docs\\gone\\x.txt\n"
            "    DELETE_FOLDER D new \"deeper\" 0 C:\\Docs\\gone\\deeper > "
            "T:\\B\\Docs\\gone\\deeper\n"
            "      DELETE_FILE F new \"y.txt\" 60 C:\\Docs\\gone\\deeper\\y.txt > "
            "T:\\B\\Docs\\gone\\deeper\\y.txt\n");
  EXPECT_EQ(Stats().fileCount, 4);
  EXPECT_EQ(Stats().folderCount, 3);
  EXPECT_EQ(Stats().totalBytes, 151) << "deletions count in the byte total";
}

TEST_F(AnalyserTest, SynchronizingDeletesTheTargetsHistoryFolders) {
  AddCopied(VLT("C:\\Docs\\a.txt"), VLT("T:\\B\\Docs\\a.txt"), 1);
  fs.AddFile(VLT("T:\\B\\Docs\\_VLHistory\\a_VL20140101000000.txt"), 3, kWritten);
  EXPECT_EQ(Analyse(VLT("C:\\Docs"), VLT("T:\\B"), true),
            "EXISTING_FOLDER D old \"Docs\" 0 C:\\Docs > T:\\B\\Docs\n"
            "  DELETE_FOLDER D new \"_VLHistory\" 0 C:\\Docs\\_VLHistory > "
            "T:\\B\\Docs\\_VLHistory\n"
            "    DELETE_FILE F new \"a_VL20140101000000.txt\" 3 "
            "C:\\Docs\\_VLHistory\\a_VL20140101000000.txt > "
            "T:\\B\\Docs\\_VLHistory\\a_VL20140101000000.txt\n");
}

TEST_F(AnalyserTest, ASourceHistoryFolderIsNeverCopiedIntoAnExistingTarget) {
  AddCopied(VLT("C:\\Docs\\a.txt"), VLT("T:\\B\\Docs\\a.txt"), 1);
  fs.AddFile(VLT("C:\\Docs\\_VLHISTORY\\old.txt"), 3, kWritten);
  EXPECT_EQ(Analyse(VLT("C:\\Docs"), VLT("T:\\B"), true),
            "EXISTING_FOLDER D old \"Docs\" 0 C:\\Docs > T:\\B\\Docs\n");
}

TEST_F(AnalyserTest, AFileOn259CharactersIsComparedAndOn260PlannedAsNew) {
  // T:\B\S\ is 7 characters, so names of 252 and 253 give target paths of 259 and 260.
  const String fits(252, VLT('f'));
  const String tooLong(253, VLT('g'));
  AddCopied(VLT("C:\\S\\") + fits, VLT("T:\\B\\S\\") + fits, 1);
  AddCopied(VLT("C:\\S\\") + tooLong, VLT("T:\\B\\S\\") + tooLong, 1);
  const std::string jobs = Analyse(VLT("C:\\S"), VLT("T:\\B"), true);
  EXPECT_EQ(jobs, "EXISTING_FOLDER D old \"S\" 0 C:\\S > T:\\B\\S\n"
                  "  NEW_FILE F new \"" + std::string(253, 'g') + "\" 1 C:\\S\\" +
                      std::string(253, 'g') + " > T:\\B\\S\\" + std::string(253, 'g') + "\n");
}

TEST_F(AnalyserTest, AnalysisShowsEachFolderItEnters) {
  fs.AddFile(VLT("C:\\Docs\\sub\\a.txt"), 1, kWritten);
  Analyse(VLT("C:\\Docs"));
  EXPECT_EQ(view.statuses,
            (std::vector<String>{VLT("Analyzing : Docs"), VLT("Analyzing : sub")}));
}

TEST_F(AnalyserTest, AMissingSourceFileInAFileItemProducesNothing) {
  CSource item;
  item.path = VLT("C:\\gone.txt");
  item.targetFolder = VLT("T:\\B");
  engine.AnalyseItem(item, item.path, VLT("gone.txt"), item.MakeTargetPath());
  EXPECT_TRUE(engine.State().jobList.empty());
}

}  // namespace
}  // namespace vl::test
