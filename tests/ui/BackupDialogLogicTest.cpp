// The backup dialog's items and target: the target check, adding (browsed and dropped),
// selecting, deleting, choosing the target and opening the folder behind a line.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "resources/client/resource.h"
#include "tests/ui/DialogFixture.h"

namespace vl::test {
namespace {

using Log = std::vector<std::string>;

// ---- the target check ----

using TargetTest = DialogFixture;

TEST_F(TargetTest, AReachableTargetIsShownInBlueWithoutAQuestion) {
  logic.CheckTarget();
  logic.ShowTarget();
  EXPECT_EQ(log.Entries(), Log{"targetLine T:\\B FF0000"});
  EXPECT_EQ(services.targetReady, 1);
  EXPECT_EQ(services.backupFolder, VLT("T:\\B"));
}

TEST_F(TargetTest, AnEmptyTargetBecomesTheDataFoldersBackupFolder) {
  services.settings.m_strBackupPath.clear();
  logic.CheckTarget();
  EXPECT_EQ(services.settings.m_strBackupPath, VLT("C:\\VL\\Backup"));
  EXPECT_EQ(logic.m_crTargetLine, kTargetFoundColour);
  EXPECT_TRUE(log.Entries().empty());
}

TEST_F(TargetTest, AMissingTargetTakenAsTheDefaultIsSavedAndNotTestedAgain) {
  services.settings.m_strBackupPath = VLT("T:\\Gone");
  services.dataFolder = VLT("C:\\Elsewhere");  // its Backup folder does not exist either
  view.answers = {true};
  logic.CheckTarget();
  EXPECT_EQ(log.Entries(), (Log{AskEntry(IDS_ASK_DEFAULT_TARGET, BoxIcon::information), "save"}));
  EXPECT_EQ(services.settings.m_strBackupPath, VLT("C:\\Elsewhere\\Backup"));
  EXPECT_EQ(services.targetReady, 1);
  EXPECT_EQ(logic.m_crTargetLine, kTargetFoundColour);
}

TEST_F(TargetTest, AMissingTargetKeptIsShownInGrey) {
  services.settings.m_strBackupPath = VLT("R:\\");  // the root of an absent disk
  view.answers = {false};
  logic.CheckTarget();
  logic.ShowTarget();
  EXPECT_EQ(log.Entries(), (Log{AskEntry(IDS_ASK_DEFAULT_TARGET, BoxIcon::information),
                                "targetLine R:\\ 808080"}));
  EXPECT_EQ(services.settings.m_strBackupPath, VLT("R:\\"));
  EXPECT_EQ(services.targetReady, 0);
  EXPECT_EQ(services.saves, 0);
}

TEST_F(TargetTest, ReloadListsEveryItemRecognisedAfterTheTarget) {
  fs.AddFolder(VLT("C:\\One"));
  services.items.AddTail(std::make_unique<CSource>()).path = VLT("C:\\One");
  services.items.AddTail(std::make_unique<CSource>()).path = VLT("C:\\Gone");
  view.entries = {nullptr};  // left from before: cleared first
  logic.Reload();
  EXPECT_EQ(log.Entries(),
            (Log{"clearList", "targetLine T:\\B FF0000", "addEntry", "addEntry"}));
  EXPECT_EQ(view.entries, (std::vector<CSource*>{&services.items.GetAt(0),
                                                 &services.items.GetAt(1)}));
  EXPECT_EQ(services.items.GetAt(0).recognized, 1);
  EXPECT_EQ(services.items.GetAt(1).recognized, 0);
}

// ---- adding ----

class AddTest : public DialogFixture {
 protected:
  AddTest() {
    fs.AddFolder(VLT("C:\\Work"));
    fs.AddFolder(VLT("C:\\Photos"));
    fs.AddFile(VLT("C:\\Work\\a.txt"), 10, kFileTime);
  }
};

TEST_F(AddTest, AnAddedFolderIsListedSelectedShownSavedAndOffered) {
  AddListed(VLT("C:\\Photos"));
  view.answers = {false};
  logic.AddSourceItem(VLT("C:\\Work"));
  ASSERT_EQ(services.items.GetCount(), 2u);
  CSource* added = &services.items.GetAt(1);
  EXPECT_EQ(view.entries.back(), added);
  EXPECT_EQ(view.selected, 1);
  EXPECT_EQ(logic.m_pShownItem, added);
  EXPECT_EQ(view.sourceLine, VLT("C:\\Work"));
  EXPECT_EQ(added->volumeSerial, 0xC0C0u);
  EXPECT_EQ(run.State().runItemIndex, 1) << "the next run backs up the new item alone";
  EXPECT_EQ(log.Only({"addEntry", "save", "ask", "postStart"}),
            (Log{"addEntry", "save", "save", AskEntry(IDS_ASK_BACKUP_NOW, BoxIcon::question)}));
  EXPECT_EQ(view.startCommands, 0);
}

TEST_F(AddTest, BackUpNowAnsweredYesStartsARun) {
  view.answers = {true};
  logic.AddSourceItem(VLT("C:\\Work"));
  EXPECT_EQ(view.startCommands, 1);
}

TEST_F(AddTest, WithRealTimeBackupRunningTheRunStartsWithoutAQuestion) {
  services.changeProcessingRunning = true;
  logic.AddSourceItem(VLT("C:\\Work"));
  EXPECT_EQ(log.Only({"ask", "postStart"}), Log{"postStart"});
}

TEST_F(AddTest, TheSameFolderInOtherLettersIsRefused) {
  view.answers = {false};
  logic.AddSourceItem(VLT("C:\\Work"));
  log.Clear();
  logic.AddSourceItem(VLT("c:\\WORK"));
  EXPECT_EQ(log.Entries(), Log{MessageEntry(IDS_MSG_ALREADY_REGISTERED)});
  EXPECT_EQ(services.items.GetCount(), 1u);
  EXPECT_EQ(view.entries.size(), 1u);
}

// Dropped or browsed, an item whose copy would land beside another's in one target folder, or
// that lies inside the target, is refused with the reason and the path.
TEST_F(AddTest, ItemsThatWouldShareATargetFolderOrLieInTheTargetAreRefused) {
  fs.AddFolder(VLT("C:\\Other\\work"));
  fs.AddFolder(VLT("T:\\B\\Inside"));
  view.answers = {false};
  logic.AddSourceItem(VLT("C:\\Work"));
  log.Clear();
  logic.AddDroppedPaths({VLT("C:\\Other\\work"), VLT("T:\\B\\Inside")});
  EXPECT_EQ(log.Entries(),
            (Log{MessageEntry(IDS_MSG_SAME_TARGET), MessageEntry(IDS_MSG_TARGET_OVERLAP)}));
  EXPECT_EQ(services.items.GetCount(), 1u);
}

TEST_F(AddTest, BrowsingAddsTheChosenFolder) {
  view.browseResult = String(VLT("C:\\Work"));
  view.answers = {false};
  logic.AddByBrowsing();
  EXPECT_EQ(log.Entries().front(), BrowseEntry(IDS_TITLE_BROWSE_ITEM, VLT("")));
  EXPECT_EQ(services.items.GetCount(), 1u);
}

TEST_F(AddTest, ABrowserClosedWithoutAChoiceAddsNothing) {
  logic.AddByBrowsing();
  EXPECT_EQ(log.Entries(), Log{BrowseEntry(IDS_TITLE_BROWSE_ITEM, VLT(""))});
  EXPECT_TRUE(services.items.IsEmpty());
}

TEST_F(AddTest, OfDroppedPathsOnlyTheFoldersAreAdded) {
  view.answers = {false};
  logic.AddDroppedPaths({VLT("C:\\Work\\a.txt"), VLT("C:\\Missing"), VLT("C:\\Photos"),
                         VLT("C:\\Work\\a.txt")});
  ASSERT_EQ(services.items.GetCount(), 1u);
  EXPECT_EQ(services.items.GetAt(0).path, VLT("C:\\Photos"));
  EXPECT_TRUE(log.Only({"message"}).empty());
}

TEST_F(AddTest, DroppingOnlyFilesSaysThatOnlyFoldersCanBeAdded) {
  logic.AddDroppedPaths({VLT("C:\\Work\\a.txt"), VLT("C:\\Missing")});
  EXPECT_EQ(log.Entries(), Log{MessageEntry(IDS_MSG_ONLY_FOLDERS)});
  EXPECT_TRUE(services.items.IsEmpty());
}

// ---- selecting ----

using SelectionTest = DialogFixture;

TEST_F(SelectionTest, NothingSelectedForgetsTheShownItem) {
  fs.AddFolder(VLT("C:\\Work"));
  logic.m_pShownItem = &AddListed(VLT("C:\\Work"));
  logic.SelectionChanged();
  EXPECT_EQ(logic.m_pShownItem, nullptr);
  EXPECT_EQ(log.Entries(), Log{"save"});
}

TEST_F(SelectionTest, AnUnrecognisedItemLeavesTheLineAsItWas) {
  fs.AddFolder(VLT("C:\\Work"));
  CSource& shown = AddListed(VLT("C:\\Work"));
  AddListed(VLT("C:\\Gone"));
  view.selected = 0;
  logic.SelectionChanged();
  view.selected = 1;
  log.Clear();
  logic.SelectionChanged();
  EXPECT_EQ(log.Entries(), (Log{"save", "redrawList"}));
  EXPECT_EQ(logic.m_pShownItem, &shown);
  EXPECT_EQ(logic.m_strSourceLine, VLT("C:\\Work"));
  EXPECT_EQ(services.items.GetAt(1).recognized, 0);
}

// ---- deleting ----

class DeleteTest : public DialogFixture {
 protected:
  DeleteTest() {
    for (const Char* name : {VLT("C:\\A"), VLT("C:\\B"), VLT("C:\\C")}) {
      fs.AddFile(String(name) + VLT("\\f.txt"), 5, kFileTime);
      AddListed(name);
    }
  }
  std::vector<String> ItemPaths() const {
    std::vector<String> paths;
    for (const auto& item : services.items) paths.push_back(item->path);
    return paths;
  }
};

TEST_F(DeleteTest, DeletingTheShownItemClearsTheLine) {
  view.selected = 1;
  logic.SelectionChanged();
  view.answers = {true};
  log.Clear();
  logic.DeleteItem(1);
  EXPECT_EQ(log.Entries(), (Log{AskEntry(IDS_ASK_DELETE_ITEM, BoxIcon::question), "sourceLine ",
                                "deleteEntry 1", "save"}));
  EXPECT_EQ(logic.m_pShownItem, nullptr);
  EXPECT_EQ(logic.m_strSourceLine, String());
  EXPECT_EQ(ItemPaths(), (std::vector<String>{VLT("C:\\A"), VLT("C:\\C")}));
  EXPECT_EQ(view.entries.size(), 2u);
}

TEST_F(DeleteTest, AnsweredNoTheItemStaysAndTheSetIsStillSaved) {
  view.answers = {false};
  logic.DeleteItem(0);
  EXPECT_EQ(log.Entries(), (Log{AskEntry(IDS_ASK_DELETE_ITEM, BoxIcon::question), "save"}));
  EXPECT_EQ(services.items.GetCount(), 3u);
}

TEST_F(DeleteTest, ABadIndexOnlySaves) {
  logic.DeleteItem(3);
  logic.DeleteItem(-1);
  EXPECT_EQ(log.Entries(), (Log{"save", "save"}));
  EXPECT_EQ(services.items.GetCount(), 3u);
}

TEST_F(DeleteTest, TheItemToBackUpAloneIsFollowedThroughDeletions) {
  run.State().runItemIndex = 2;
  view.answers = {true, true};
  logic.DeleteItem(0);  // an item before it
  EXPECT_EQ(run.State().runItemIndex, 1);
  logic.DeleteItem(1);  // the item itself
  EXPECT_EQ(run.State().runItemIndex, -1);
}

TEST_F(DeleteTest, AfterADeletionTheNextRunBacksUpTheNewItem) {
  fs.AddFile(VLT("C:\\D\\f.txt"), 5, kFileTime);
  view.answers = {false, true};  // no run now; then delete C:\A
  logic.AddSourceItem(VLT("C:\\D"));
  logic.DeleteItem(0);
  run.StartBackup();
  ASSERT_EQ(FinishRun(), DONE_OK);
  EXPECT_TRUE(fs.Exists(VLT("T:\\B\\D\\f.txt")));
  EXPECT_FALSE(fs.Exists(VLT("T:\\B\\C"))) << "only the new item was to be backed up";
  EXPECT_FALSE(fs.Exists(VLT("T:\\B\\B")));
}

TEST_F(DeleteTest, DeletingAnItemAfterTheNewOneLeavesItsIndex) {
  run.State().runItemIndex = 0;
  view.answers = {true};
  logic.DeleteItem(2);
  EXPECT_EQ(run.State().runItemIndex, 0);
}

// ---- while a run is active ----

class DuringRunTest : public DialogFixture {
 protected:
  DuringRunTest() {
    fs.AddFile(VLT("C:\\Data\\f.txt"), 5, kFileTime);
    fs.AddFolder(VLT("C:\\New"));
    AddListed(VLT("C:\\Data"));
    window.HoldAtStatus(VLT("Backup: f.txt (0 %)"));
  }
};

TEST_F(DuringRunTest, NothingAboutItemsOrTargetChanges) {
  run.StartBackup();
  ASSERT_TRUE(window.WaitUntilHeld());
  log.Clear();
  view.browseResult = String(VLT("C:\\New"));
  logic.AddSourceItem(VLT("C:\\New"));
  logic.AddByBrowsing();
  logic.AddDroppedPaths({VLT("C:\\New")});
  logic.DeleteItem(0);
  logic.ChooseTarget();
  logic.Reload();
  EXPECT_TRUE(log.Entries().empty());
  EXPECT_EQ(services.items.GetCount(), 1u);
  EXPECT_EQ(services.settings.m_strBackupPath, VLT("T:\\B"));
  window.Release();
  EXPECT_EQ(FinishRun(), DONE_OK);
}

// ---- choosing the target ----

using ChooseTargetTest = DialogFixture;

TEST_F(ChooseTargetTest, TheChosenFolderIsSavedAndShownInTheColourItHad) {
  services.settings.m_strBackupPath = VLT("T:\\Gone");
  view.answers = {false};
  logic.CheckTarget();
  log.Clear();
  view.browseResult = String(VLT("C:\\Nowhere"));
  logic.ChooseTarget();
  EXPECT_EQ(log.Entries(), (Log{BrowseEntry(IDS_TITLE_BROWSE_TARGET, VLT("T:\\Gone")),
                                "targetLine C:\\Nowhere 808080", "save"}));
  EXPECT_EQ(services.settings.m_strBackupPath, VLT("C:\\Nowhere"));
  EXPECT_EQ(services.backupFolder, VLT("C:\\Nowhere"));
  EXPECT_EQ(services.targetReady, 0) << "the new target is not checked";
}

TEST_F(ChooseTargetTest, ATargetInsideAnItemIsRefusedAndTheOldOneKept) {
  services.items.AddTail(std::make_unique<CSource>()).path = VLT("C:\\Docs");
  view.browseResult = String(VLT("C:\\Docs\\Backup"));
  logic.ChooseTarget();
  EXPECT_EQ(log.Entries(), (Log{BrowseEntry(IDS_TITLE_BROWSE_TARGET, VLT("T:\\B")),
                                MessageEntry(IDS_MSG_TARGET_OVERLAP)}));
  EXPECT_EQ(services.settings.m_strBackupPath, VLT("T:\\B"));
}

TEST_F(ChooseTargetTest, ABrowserClosedWithoutAChoiceChangesNothing) {
  logic.ChooseTarget();
  EXPECT_EQ(log.Entries(), Log{BrowseEntry(IDS_TITLE_BROWSE_TARGET, VLT("T:\\B"))});
  EXPECT_EQ(services.settings.m_strBackupPath, VLT("T:\\B"));
}

// ---- opening the folder behind a line ----

class OpenLineTest : public DialogFixture {
 protected:
  OpenLineTest() { fs.AddFile(VLT("C:\\Docs\\a.txt"), 5, kFileTime); }
  void OpenTarget(const Char* target) {
    services.settings.m_strBackupPath = target;
    logic.OpenTargetLine();
  }
};

TEST_F(OpenLineTest, TheSourceLineOpensAFolderOrAFilesFolder) {
  logic.OpenSourceLine(VLT("C:\\Docs"));
  logic.OpenSourceLine(VLT("C:\\Docs\\a.txt"));
  logic.OpenSourceLine(VLT("C:\\Docs\\gone.txt"));
  logic.OpenSourceLine(String());
  EXPECT_EQ(log.Entries(), (Log{"open C:\\Docs", "open C:\\Docs"}));
}

TEST_F(OpenLineTest, TheTargetLineOpensTheTargetOrAFilesFolder) {
  OpenTarget(VLT("T:\\B"));
  OpenTarget(VLT("C:\\Docs\\a.txt"));
  OpenTarget(VLT("T:\\Gone"));
  OpenTarget(VLT(""));
  EXPECT_EQ(log.Entries(), (Log{"open T:\\B", "open C:\\Docs"}));
}

TEST_F(OpenLineTest, ATargetEndingWithABackslashIsOpenedWithoutLookingAtIt) {
  fs.ResetCounts();
  OpenTarget(VLT("R:\\"));
  EXPECT_EQ(log.Entries(), Log{"open R:\\"});
  EXPECT_EQ(fs.TotalStatusQueries(), 0u);
  EXPECT_EQ(fs.VolumeQueries(), 0u);
}

}  // namespace
}  // namespace vl::test
