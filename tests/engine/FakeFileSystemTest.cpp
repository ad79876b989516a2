// What the fake does beyond the contract: the cases a real volume cannot be set up for in a
// test, and the query counting the analysis tests rely on.
#include "tests/support/FakeFileSystem.h"

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <memory>
#include <thread>
#include <vector>

namespace vl::test {
namespace {

class FakeFileSystemTest : public ::testing::Test {
 protected:
  FakeFileSystemTest() {
    fs.AddVolume(VLT("C:\\"), 0xC, VLT("NTFS"));
    fs.AddVolume(VLT("\\\\nas\\share"), 0x5, VLT("NTFS"));
  }
  FakeFileSystem fs;
};

TEST_F(FakeFileSystemTest, ZeroCreationAndAccessTimesReadAsTheLastWriteTime) {
  fs.AddFile(VLT("C:\\a.txt"), 1, 500);
  fs.SetRawTimes(VLT("C:\\a.txt"), FakeTimes{0, 0, 700});
  FileStatus status;
  ASSERT_TRUE(fs.GetStatus(VLT("C:\\a.txt"), status));
  EXPECT_EQ(status.creationTime, 700);
  EXPECT_EQ(status.lastAccessTime, 700);
}

TEST_F(FakeFileSystemTest, StatusKeepsOnlyTheLowSevenAttributeBits) {
  fs.AddFile(VLT("C:\\a.txt"), 1, 500);
  fs.SetRawAttributes(VLT("C:\\a.txt"), 0x800 | 0x80 | kAttrHidden | kAttrReadOnly);
  FileStatus status;
  ASSERT_TRUE(fs.GetStatus(VLT("C:\\a.txt"), status));
  EXPECT_EQ(status.attributes, static_cast<uint32_t>(kAttrHidden | kAttrReadOnly));
}

TEST_F(FakeFileSystemTest, SharesAreVolumesWithSerialsAndSubfolders) {
  fs.AddFile(VLT("\\\\NAS\\Share\\Backup\\a.txt"), 3, 500);
  VolumeInfo info;
  ASSERT_TRUE(fs.GetVolumeInfo(VLT("\\\\nas\\share\\"), info));
  EXPECT_EQ(info.serial, 0x5u);
  FileStatus status;
  EXPECT_TRUE(fs.GetStatus(VLT("\\\\nas\\share\\backup\\A.TXT"), status));
  EXPECT_TRUE(fs.GetStatus(VLT("\\\\nas\\share"), status));
  EXPECT_FALSE(fs.GetStatus(VLT("\\\\nas\\other\\a.txt"), status));
}

TEST_F(FakeFileSystemTest, AnEmptyRootListsWithNoEntriesAndAFilledOneWithItsEntries) {
  std::vector<FolderEntry> entries;
  EXPECT_TRUE(fs.ListFolder(VLT("C:\\"), entries));
  EXPECT_TRUE(entries.empty());
  fs.AddFile(VLT("C:\\a.txt"), 1, 500);
  ASSERT_TRUE(fs.ListFolder(VLT("C:\\"), entries));
  EXPECT_EQ(entries.at(0).path, VLT("C:\\a.txt"));
}

TEST_F(FakeFileSystemTest, AFolderWhosePatternIsTooLongCannotBeListed) {
  // folder + \*.* must stay below 260 characters: 255 fits, 256 does not.
  const String fits = VLT("C:\\") + String(252, VLT('f'));
  const String tooLong = VLT("C:\\") + String(253, VLT('g'));
  fs.AddFile(fits + VLT("\\a"), 1, 500);
  fs.AddFile(tooLong + VLT("\\a"), 1, 500);
  std::vector<FolderEntry> entries;
  EXPECT_TRUE(fs.ListFolder(fits, entries));
  EXPECT_FALSE(fs.ListFolder(tooLong, entries));
}

TEST_F(FakeFileSystemTest, ALockedFileCannotBeCopiedMovedOrDeleted) {
  fs.AddFile(VLT("C:\\a.txt"), 1, 500);
  fs.SetLocked(VLT("C:\\a.txt"), true);
  const FsResult copy =
      fs.CopyIntoPlace(VLT("C:\\a.txt"), VLT("C:\\b.part"), VLT("C:\\b.txt"), nullptr, nullptr);
  EXPECT_EQ(copy.error, FsError::AccessDenied);
  EXPECT_EQ(copy.systemCode, static_cast<uint32_t>(kSysSharingViolation));
  EXPECT_EQ(fs.MoveFileTo(VLT("C:\\a.txt"), VLT("C:\\b.txt")).error, FsError::AccessDenied);
  EXPECT_EQ(fs.RemoveFile(VLT("C:\\a.txt")).error, FsError::AccessDenied);
}

TEST_F(FakeFileSystemTest, ACopyWhoseTimesCannotBeSetHasTheCurrentCreationAndAccessTime) {
  fs.SetNow(9'000);
  fs.AddFile(VLT("C:\\a.txt"), 1, 500);
  fs.InjectFailure(FakeOp::SetTimes, VLT("C:\\b.part"), kSysSharingViolation);
  ASSERT_TRUE(
      fs.CopyIntoPlace(VLT("C:\\a.txt"), VLT("C:\\b.part"), VLT("C:\\b.txt"), nullptr, nullptr));
  FileStatus status;
  ASSERT_TRUE(fs.GetStatus(VLT("C:\\b.txt"), status));
  EXPECT_EQ(status.creationTime, 9'000);
  EXPECT_EQ(status.lastAccessTime, 9'000);
  EXPECT_EQ(status.lastWriteTime, 500);
}

// Copies run on several threads; a hook, a progress routine or the making of way may wait for
// another thread that uses the fake (a paused run does), which must not wait for the copy.
TEST_F(FakeFileSystemTest, ACopysCallbacksRunWithoutHoldingTheFake) {
  fs.AddFileWithContent(VLT("C:\\a.txt"), "data", 500);
  std::vector<std::thread> others;
  std::vector<bool> answered;
  const auto anotherThreadLists = [&] {
    auto listed = std::make_shared<std::promise<void>>();
    std::future<void> done = listed->get_future();
    others.emplace_back([this, listed] {
      std::vector<FolderEntry> entries;
      fs.ListFolder(VLT("C:\\"), entries);
      listed->set_value();
    });
    answered.push_back(done.wait_for(std::chrono::seconds(5)) == std::future_status::ready);
  };
  fs.beforeChange = [&](FakeOp op, const String&) {
    if (op == FakeOp::Copy) anotherThreadLists();
  };
  const CopyProgressFn progress = [&](const CopyProgressInfo&) {
    anotherThreadLists();
    return true;
  };
  const MakeWayFn makeWay = [&] {
    anotherThreadLists();
    return FsResult{};
  };
  EXPECT_TRUE(fs.CopyIntoPlace(VLT("C:\\a.txt"), VLT("C:\\b.part"), VLT("C:\\b.txt"), progress,
                               makeWay));
  for (std::thread& other : others) other.join();
  EXPECT_EQ(answered, std::vector<bool>(answered.size(), true));
  EXPECT_EQ(answered.size(), 4u) << "the hook, progress at 0 and at 4 bytes, the way";
  EXPECT_EQ(fs.Content(VLT("C:\\b.txt")), "data");
}

TEST_F(FakeFileSystemTest, CountsQueriesByPathInAnyCase) {
  fs.AddFile(VLT("C:\\a.txt"), 1, 500);
  FileStatus status;
  std::vector<FolderEntry> entries;
  fs.GetStatus(VLT("C:\\a.txt"), status);
  fs.GetStatus(VLT("c:\\A.TXT"), status);
  fs.GetStatus(VLT("C:\\missing"), status);
  fs.ListFolder(VLT("C:\\"), entries);
  EXPECT_EQ(fs.StatusQueries(VLT("C:\\a.txt")), 2u);
  EXPECT_EQ(fs.TotalStatusQueries(), 3u);
  EXPECT_EQ(fs.ListQueries(VLT("c:\\")), 1u);
  fs.ResetCounts();
  EXPECT_EQ(fs.TotalStatusQueries(), 0u);
}

TEST_F(FakeFileSystemTest, SetupOnAMissingVolumeIsATestMistake) {
  EXPECT_THROW(fs.AddFile(VLT("Q:\\a.txt"), 1, 500), std::logic_error);
  fs.AddFile(VLT("C:\\a.txt"), 1, 500);
  EXPECT_THROW(fs.AddFolder(VLT("C:\\a.txt")), std::logic_error);
}

}  // namespace
}  // namespace vl::test
