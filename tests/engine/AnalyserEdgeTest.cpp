// History folders on either side, and paths at the 260-character limit, in whole trees.
#include <gtest/gtest.h>

#include "tests/engine/AnalyserFixture.h"

namespace vl::test {
namespace {

class AnalyserEdgeTest : public AnalyserFixture {
 protected:
  // Both sides of Docs, and history folders: in the source, on both sides, on the target only,
  // and inside a folder the source no longer has.
  void AddHistoryTree() {
    AddCopied(VLT("C:\\Docs\\a.txt"), VLT("T:\\B\\Docs\\a.txt"), 1);
    fs.AddFile(VLT("C:\\Docs\\_vlhistory\\a_VL20140101000000.txt"), 2, kWritten);
    fs.AddFile(VLT("T:\\B\\Docs\\_VLHistory\\a_VL20140202000000.txt"), 3, kWritten);
    AddCopied(VLT("C:\\Docs\\sub\\k.txt"), VLT("T:\\B\\Docs\\sub\\k.txt"), 4);
    fs.AddFile(VLT("T:\\B\\Docs\\sub\\_VLHistory\\k_VL20140101000000.txt"), 5, kWritten);
    fs.AddFile(VLT("T:\\B\\Docs\\gone\\_VLHistory\\g_VL20140101000000.txt"), 6, kWritten);
  }

  std::string Reanalyse(const String& itemPath, bool mirror) {
    engine.State().ClearLists();
    engine.State().stats = RunStats{};
    return Analyse(itemPath, VLT("T:\\B"), mirror);
  }
};

TEST_F(AnalyserEdgeTest, HistoryFoldersAreNeverCopiedAndDeletedOnlyWhenSynchronizing) {
  AddHistoryTree();
  EXPECT_EQ(Reanalyse(VLT("C:\\Docs"), false),
            "EXISTING_FOLDER D old \"Docs\" 0 C:\\Docs > T:\\B\\Docs\n"
            "  EXISTING_FOLDER D old \"sub\" 0 C:\\Docs\\sub > T:\\B\\Docs\\sub\n");
  // The target's history beside a source history folder has a counterpart and stays.
  EXPECT_EQ(Reanalyse(VLT("C:\\Docs"), true),
            "EXISTING_FOLDER D old \"Docs\" 0 C:\\Docs > T:\\B\\Docs\n"
            "  EXISTING_FOLDER D old \"sub\" 0 C:\\Docs\\sub > T:\\B\\Docs\\sub\n"
            "    DELETE_FOLDER D new \"_VLHistory\" 0 C:\\Docs\\sub\\_VLHistory > "
            "T:\\B\\Docs\\sub\\_VLHistory\n"
            "      DELETE_FILE F new \"k_VL20140101000000.txt\" 5 "
            "C:\\Docs\\sub\\_VLHistory\\k_VL20140101000000.txt > "
            "T:\\B\\Docs\\sub\\_VLHistory\\k_VL20140101000000.txt\n"
            "  DELETE_FOLDER D new \"gone\" 0 C:\\Docs\\gone > T:\\B\\Docs\\gone\n"
            "    DELETE_FOLDER D new \"_VLHistory\" 0 C:\\Docs\\gone\\_VLHistory > "
            "T:\\B\\Docs\\gone\\_VLHistory\n"
            "      DELETE_FILE F new \"g_VL20140101000000.txt\" 6 "
            "C:\\Docs\\gone\\_VLHistory\\g_VL20140101000000.txt > "
            "T:\\B\\Docs\\gone\\_VLHistory\\g_VL20140101000000.txt\n");
  EXPECT_EQ(Stats().fileCount, 2);
  EXPECT_EQ(Stats().totalBytes, 11);
}

TEST_F(AnalyserEdgeTest, ATargetFolderOn260CharactersIsPlannedAsNewAndOn259AsExisting) {
  // T:\B\S\ is 7 characters, so names of 252 and 253 give target paths of 259 and 260; the
  // folders are empty since nothing below them could be listed.
  const String fits(252, VLT('f'));
  const String tooLong(253, VLT('g'));
  for (const String& name : {fits, tooLong}) {
    fs.AddFolder(VLT("C:\\S\\") + name);
    fs.AddFolder(VLT("T:\\B\\S\\") + name);
  }
  const std::string f(252, 'f');
  const std::string g(253, 'g');
  EXPECT_EQ(Analyse(VLT("C:\\S")),
            "EXISTING_FOLDER D old \"S\" 0 C:\\S > T:\\B\\S\n"
            "  EXISTING_FOLDER D old \"" + f + "\" 0 C:\\S\\" + f + " > T:\\B\\S\\" + f + "\n"
            "  CREATE_FOLDER D new \"" + g + "\" 0 C:\\S\\" + g + " > T:\\B\\S\\" + g + "\n");
}

TEST_F(AnalyserEdgeTest, ASourceFileOn260CharactersNeverCountsAsUnchanged) {
  // C:\Deep\Docs\ is 13 characters and T:\B\Docs\ 10, so a name of 247 gives a source path
  // of 260 whose target path, 257, is readable.
  const String name(247, VLT('n'));
  AddCopied(VLT("C:\\Deep\\Docs\\") + name, VLT("T:\\B\\Docs\\") + name, 1);
  const std::string n(247, 'n');
  EXPECT_EQ(Analyse(VLT("C:\\Deep\\Docs")),
            "EXISTING_FOLDER D old \"Docs\" 0 C:\\Deep\\Docs > T:\\B\\Docs\n"
            "  CHANGED_FILE F old \"" + n + "\" 1 C:\\Deep\\Docs\\" + n + " > T:\\B\\Docs\\" + n +
                "\n");
}

}  // namespace
}  // namespace vl::test
