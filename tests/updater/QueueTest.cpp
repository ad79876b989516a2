// Which files are fetched: the comparison with what is installed, and the queue built from it.
#include <gtest/gtest.h>

#include "tests/updater/FakeUpdateServices.h"
#include "updater/logic/UpdateQueue.h"

namespace vl::updater {
namespace {

CUpdateInfo Entry(const String& name, int64_t size, const String& version) {
  CUpdateInfo info;
  info.m_strFileName = name;
  info.m_nSize = size;
  info.m_strVersion = version;
  return info;
}

TEST(NeedsDownloadTest, MissingOtherSizeOrOtherVersion) {
  const CUpdateInfo entry = Entry(VLT("Vaultline.exe"), 100, VLT("1.2.0.3 Beta"));
  const struct {
    InstalledFile installed;
    bool needed;
  } cases[] = {
      {{false, false, 0, VLT("")}, true},
      {{true, false, 100, VLT("1.2.0.3 BETA")}, false},
      {{true, false, 101, VLT("1.2.0.3 Beta")}, true},
      {{true, false, 100, VLT("1.2.0.4 Beta")}, true},
      {{true, false, 100, VLT("")}, true},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(NeedsDownload(c.installed, entry), c.needed)
        << c.installed.size << " " << testing::PrintToString(c.installed.productVersion);
  }
}

TEST(UpdateQueueTest, QueuesWhatDiffersOnceAndNeverOverAFolder) {
  const UpdateFolders folders{VLT("C:\\App"), VLT("C:\\Windows"), VLT("C:\\App\\Temp")};
  test::FakeInstalled installed;
  installed.files[VLT("C:\\App\\Same.dll")] = {true, false, 5, VLT("2.0")};
  installed.files[VLT("C:\\App\\Temp")] = {true, true, 0, VLT("")};
  const UpdateQueue queue = BuildUpdateQueue(
      {Entry(VLT("Vaultline.exe"), 100, VLT("2.0")), Entry(VLT("Same.dll"), 5, VLT("2.0")),
       Entry(VLT("Temp"), 1, VLT("1")), Entry(VLT("VAULTLINE.EXE"), 1, VLT("9.9")),
       Entry(VLT("vlremove.exe"), 20, VLT("1"))},
      folders, installed);
  ASSERT_EQ(queue.files.size(), 2u);
  EXPECT_EQ(queue.files[0].m_strDestination, VLT("C:\\App\\Vaultline.exe"));
  EXPECT_EQ(queue.files[0].m_nSize, 100);
  EXPECT_EQ(queue.files[1].m_strDestination, VLT("C:\\Windows\\VLRemove.exe"));
  EXPECT_EQ(queue.totalBytes, 120u);
}

}  // namespace
}  // namespace vl::updater
