#include "client/engine/ExistenceProbe.h"

#include <gtest/gtest.h>

#include "client/model/Source.h"
#include "tests/support/FakeFileSystem.h"

namespace vl {
namespace {

class ExistenceProbeTest : public ::testing::Test {
 protected:
  ExistenceProbeTest() {
    fs.AddVolume(VLT("C:\\"), 1, VLT("NTFS"));
    fs.AddFolder(VLT("C:\\Work\\Docs"));
    fs.AddFolder(VLT("C:\\Backup"));
  }

  CSource Probed(const String& path, const String& targetFolder) {
    CSource item;
    item.path = path;
    item.targetFolder = targetFolder;
    ProbeItem(item, fs);
    return item;
  }

  test::FakeFileSystem fs;
};

TEST_F(ExistenceProbeTest, ReportsEachSideSeparately) {
  const CSource item = Probed(VLT("C:\\Work\\Docs"), VLT("C:\\Backup"));
  EXPECT_EQ(item.sourceExists, 1);
  EXPECT_EQ(item.targetExists, 0);
  fs.AddFolder(VLT("C:\\Backup\\docs"));
  EXPECT_EQ(Probed(VLT("C:\\Work\\Docs"), VLT("C:\\Backup")).targetExists, 1);
}

TEST_F(ExistenceProbeTest, ARootCountsAsPresentWhateverItsStatus) {
  const CSource item = Probed(VLT("Q:\\"), VLT("R:\\"));
  EXPECT_EQ(item.sourceExists, 1);
  EXPECT_EQ(item.targetExists, 1);
}

TEST_F(ExistenceProbeTest, AMissingItemIsMissing) {
  EXPECT_EQ(Probed(VLT("C:\\Work\\Gone"), VLT("C:\\Backup")).sourceExists, 0);
}

TEST_F(ExistenceProbeTest, AnItemPathOf260CharactersIsMissingAndOf259Present) {
  // C:\Work\ is 8 characters.
  const String fits = VLT("C:\\Work\\") + String(251, VLT('f'));
  const String tooLong = VLT("C:\\Work\\") + String(252, VLT('g'));
  fs.AddFolder(fits);
  fs.AddFolder(tooLong);
  EXPECT_EQ(Probed(fits, VLT("C:\\Backup")).sourceExists, 1);
  EXPECT_EQ(Probed(tooLong, VLT("C:\\Backup")).sourceExists, 0);
}

}  // namespace
}  // namespace vl
