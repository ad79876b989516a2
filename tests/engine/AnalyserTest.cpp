#include <gtest/gtest.h>

#include "core/text/Utf.h"
#include "tests/engine/AnalyserFixture.h"
#include "tests/support/ErrorRecords.h"

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

// A file where the target has a folder (or the other way round) is never silently skipped: a
// normal run records it, a synchronizing one replaces the target entry, deletion first.
TEST_F(AnalyserTest, AKindChangeIsAnErrorAndSynchronizingReplacesTheTargetEntry) {
  fs.AddFolder(VLT("C:\\Docs"));
  fs.AddFile(VLT("T:\\B\\Docs"), 1, kWritten);
  fs.AddFile(VLT("C:\\Work\\a.txt"), 2, kWritten + 5);
  fs.AddFile(VLT("T:\\B\\Work\\a.txt\\old.txt"), 3, kWritten);
  fs.AddFile(VLT("C:\\Work\\sub\\s.txt"), 4, kWritten);
  fs.AddFile(VLT("T:\\B\\Work\\sub"), 5, kWritten);
  const struct {
    const Char* item;
    std::vector<const Char*> clashes;
    const char* synchronized;
  } cases[] = {
      {VLT("C:\\Docs"), {VLT("C:\\Docs")},
       "DELETE_FILE F new \"Docs\" 1 C:\\Docs > T:\\B\\Docs\n"
       "CREATE_FOLDER D new \"Docs\" 0 C:\\Docs > T:\\B\\Docs\n"},
      {VLT("C:\\Work"), {VLT("C:\\Work\\a.txt"), VLT("C:\\Work\\sub")},
       "EXISTING_FOLDER D old \"Work\" 0 C:\\Work > T:\\B\\Work\n"
       "  DELETE_FOLDER D new \"a.txt\" 0 C:\\Work\\a.txt > T:\\B\\Work\\a.txt\n"
       "    DELETE_FILE F new \"old.txt\" 3 C:\\Work\\a.txt\\old.txt > "
       "T:\\B\\Work\\a.txt\\old.txt\n"
       "  NEW_FILE F new \"a.txt\" 2 C:\\Work\\a.txt > T:\\B\\Work\\a.txt\n"
       "  DELETE_FILE F new \"sub\" 5 C:\\Work\\sub > T:\\B\\Work\\sub\n"
       "  CREATE_FOLDER D new \"sub\" 0 C:\\Work\\sub > T:\\B\\Work\\sub\n"
       "    NEW_FILE F new \"s.txt\" 4 C:\\Work\\sub\\s.txt > T:\\B\\Work\\sub\\s.txt\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(ToUtf8(c.item));
    engine.State().ClearLists();
    const std::string normal = Analyse(c.item);
    EXPECT_EQ(normal.find("NEW_"), std::string::npos) << normal;
    std::vector<ErrorRecord> expected;
    for (const Char* path : c.clashes) {
      expected.push_back(ExpectedError(path, IDS_ERROR_KIND_CHANGED));
    }
    EXPECT_EQ(ErrorRecords(engine.State()), expected);
    engine.State().ClearLists();
    EXPECT_EQ(Analyse(c.item, VLT("T:\\B"), true), c.synchronized);
    EXPECT_TRUE(engine.State().errorList.empty());
  }
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
