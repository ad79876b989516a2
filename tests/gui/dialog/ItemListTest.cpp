// The item list: folders dropped from the shell or chosen in the folder browser, files
// refused, a folder registered once only, an item shown by clicking it and deleted by its mark.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/gui/dialog/DialogStory.h"
#include "tests/gui/harness/ShellDrop.h"

namespace vl::test {
namespace {

constexpr const wchar_t* kTextAddTitle =
    L"You can select folders only. If you add file(s), drag and drop file(s) to the previous "
    L"window.";

class ItemList : public DialogStory {
 protected:
  void StartEmpty() { ASSERT_NE(m_client.StartAndWaitForDialog(), nullptr) << m_client.Output(); }

  // The client on a set of "Music" (one song) and "Photos", in that order.
  void StartWithMusicAndPhotos() {
    m_photos = MakePhotos();
    m_music = m_work / L"Music";
    ASSERT_TRUE(MakeTree(m_music, {{L"song.mp3", 100}}));
    ASSERT_NO_FATAL_FAILURE(StartWithSet({m_music, m_photos}));
  }

  bool SetHolds(const String& path) {
    const SavedSet saved = m_client.ReadSet();
    return std::find(saved.items.begin(), saved.items.end(), path) != saved.items.end();
  }

  ShellDrop m_drop;
  String m_photos;
  String m_music;
};

TEST_F(ItemList, OfDroppedFilesAndAFolderOnlyTheFolderIsAdded) {
  const String photos = MakePhotos();
  ASSERT_TRUE(MakeTree(m_work / L"Loose", {{L"x.txt", 10}, {L"y.txt", 20}}));
  ASSERT_NO_FATAL_FAILURE(StartEmpty());

  ASSERT_TRUE(m_drop.Post(m_client.Dialog(),
                          {m_work / L"Loose\\x.txt", photos, m_work / L"Loose\\y.txt"}));
  ASSERT_TRUE(m_client.Answer(kTextBackupNow, IDNO));
  EXPECT_TRUE(m_client.NoBoxWithin());
  EXPECT_EQ(m_client.ItemCount(), 1);
  EXPECT_TRUE(SetHolds(photos));

  ASSERT_TRUE(m_drop.Post(m_client.Dialog(), {m_work / L"Loose\\x.txt", m_work / L"Loose\\y.txt"}));
  EXPECT_TRUE(m_client.Answer(kTextFoldersOnly, IDOK));
  EXPECT_EQ(m_client.ItemCount(), 1);
  EXPECT_EQ(m_client.CountTrace(kTraceRunStarted), 0u);
}

TEST_F(ItemList, TheSameFolderIsRegisteredOnce) {
  const String photos = MakePhotos();
  ASSERT_NO_FATAL_FAILURE(StartEmpty());
  ASSERT_TRUE(m_drop.Post(m_client.Dialog(), {photos}));
  ASSERT_TRUE(m_client.Answer(kTextBackupNow, IDNO));

  String otherCase = photos;
  std::transform(otherCase.begin(), otherCase.end(), otherCase.begin(), ::towupper);
  ASSERT_TRUE(m_drop.Post(m_client.Dialog(), {otherCase}));
  EXPECT_TRUE(m_client.Answer(kTextAlreadyRegistered, IDOK));
  EXPECT_TRUE(m_client.NoBoxWithin());
  EXPECT_EQ(m_client.ItemCount(), 1);
  EXPECT_EQ(m_client.ReadSet().items.size(), 1u);
}

TEST_F(ItemList, AFolderChosenInTheBrowserIsAdded) {
  const String photos = MakePhotos();
  ASSERT_NO_FATAL_FAILURE(StartEmpty());
  String chosen;
  ASSERT_NO_FATAL_FAILURE(ChooseInBrowser(IDC_BACKUP_ADD, kTextAddTitle, photos, chosen));

  ASSERT_TRUE(m_client.Answer(kTextBackupNow, IDNO));
  EXPECT_EQ(m_client.ItemCount(), 1);
  EXPECT_EQ(m_client.Text(IDC_BACKUP_SOURCE_LINE), chosen);
  EXPECT_TRUE(SetHolds(chosen));
}

TEST_F(ItemList, AClickedItemShowsItsPathAndItsDeleteMarkAsksFirst) {
  ASSERT_NO_FATAL_FAILURE(StartWithMusicAndPhotos());
  const String& photos = m_photos;
  const String& music = m_music;
  ASSERT_EQ(m_client.ItemCount(), 2);

  ASSERT_TRUE(m_client.ClickItem(1));
  EXPECT_TRUE(
      WaitFor([&] { return m_client.Text(IDC_BACKUP_SOURCE_LINE) == photos; }, kGuiStepTimeoutMs))
      << Narrow(m_client.Text(IDC_BACKUP_SOURCE_LINE));

  ASSERT_TRUE(m_client.ClickDeleteMark(1));
  ASSERT_TRUE(m_client.Answer(kTextConfirmDelete, IDNO));
  EXPECT_EQ(m_client.ItemCount(), 2);
  EXPECT_EQ(m_client.Text(IDC_BACKUP_SOURCE_LINE), photos);
  EXPECT_TRUE(SetHolds(photos));

  ASSERT_TRUE(m_client.ClickDeleteMark(1));
  ASSERT_TRUE(m_client.Answer(kTextConfirmDelete, IDYES));
  EXPECT_TRUE(WaitFor([&] { return m_client.ItemCount() == 1; }, kGuiStepTimeoutMs));
  EXPECT_EQ(m_client.Text(IDC_BACKUP_SOURCE_LINE), L"");
  EXPECT_TRUE(WaitFor([&] { return !SetHolds(photos); }, kGuiStepTimeoutMs));
  EXPECT_TRUE(SetHolds(music));
}

TEST_F(ItemList, DeletingAnItemNotShownLeavesTheSourceLine) {
  ASSERT_NO_FATAL_FAILURE(StartWithMusicAndPhotos());
  const String& photos = m_photos;
  const String& music = m_music;
  ASSERT_TRUE(m_client.ClickItem(0));
  ASSERT_TRUE(
      WaitFor([&] { return m_client.Text(IDC_BACKUP_SOURCE_LINE) == music; }, kGuiStepTimeoutMs));

  // The list's own message, as the delete mark sends it.
  ::PostMessageW(m_client.Dialog(), kMsgDeleteItem, 1, 0);
  ASSERT_TRUE(m_client.Answer(kTextConfirmDelete, IDYES));
  EXPECT_TRUE(WaitFor([&] { return m_client.ItemCount() == 1; }, kGuiStepTimeoutMs));
  EXPECT_EQ(m_client.Text(IDC_BACKUP_SOURCE_LINE), music);
  EXPECT_TRUE(WaitFor([&] { return !SetHolds(photos); }, kGuiStepTimeoutMs));
}

}  // namespace
}  // namespace vl::test
