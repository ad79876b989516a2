// A share and a moving drive made from links in the Wine prefix by run-with-mappings.sh, which
// names them in the environment; only that script runs these tests. The drive's volume serial
// number is what Wine reads from the .windows-serial file in the mapped folder.
#include <windows.h>

#include <gtest/gtest.h>

#include <cwchar>

#include "client/engine/SourceRecognition.h"
#include "client/engine/TargetCheck.h"
#include "tests/win32engine/RealRunFixture.h"

namespace vl::test {
namespace {

String Env(const wchar_t* name) {
  wchar_t value[MAX_PATH] = {};
  const DWORD length = GetEnvironmentVariableW(name, value, MAX_PATH);
  return length == 0 || length >= MAX_PATH ? String() : String(value, length);
}

uint32_t BitOf(wchar_t letter) { return uint32_t{1} << (letter - L'A'); }

class WineMappings : public RealRunFixture {
 protected:
  void SetUp() override {
    share = Env(L"VL_TEST_SHARE");
    const String moved = Env(L"VL_TEST_DRIVE_MOVE");  // e.g. "MN": from M: to N:
    const String serial = Env(L"VL_TEST_DRIVE_SERIAL");
    if (share.empty() || moved.size() != 2 || serial.empty()) {
      GTEST_FAIL() << "run through run-with-mappings.sh, which makes the mappings";
    }
    oldLetter = moved[0];
    newLetter = moved[1];
    driveSerial = static_cast<uint32_t>(std::wcstoul(serial.c_str(), nullptr, 16));
  }

  String share;  // \\127.0.0.5\share
  wchar_t oldLetter = 0;
  wchar_t newLetter = 0;
  uint32_t driveSerial = 0;
};

TEST_F(WineMappings, AShareRootAnswersTheVolumeQuery) {
  VolumeInfo info;
  EXPECT_TRUE(fs.GetVolumeInfo(share + L"\\", info));
  EXPECT_FALSE(fs.GetVolumeInfo(share + L"\\Backup\\", info)) << "not a root";
  EXPECT_FALSE(fs.GetVolumeInfo(L"\\\\127.0.0.5\\nosuch\\", info));
  EXPECT_NE(VolumeSerialOf(fs, share + L"\\Docs"), 0u);
}

TEST_F(WineMappings, AShareTargetReceivesTheBackup) {
  const String backup = share + L"\\Backup";
  MakeFolder(backup);
  MakeFolder(source + L"\\Data");
  MakeFile(source + L"\\Data\\a.txt", "to the share", kOld);
  AddItem(source + L"\\Data");
  settings.targetFolder = backup;
  EXPECT_TRUE(IsTargetReachable(fs, backup));

  EXPECT_EQ(Run(), DONE_OK);
  EXPECT_EQ(FileText(backup + L"\\Data\\a.txt"), "to the share");
  EXPECT_EQ(TreeText(backup + L"\\Data"), TreeText(source + L"\\Data"));
  EXPECT_EQ(Run(), DONE_NOTHING);
  EXPECT_TRUE(RemoveTree(backup));
}

TEST_F(WineMappings, AShareItemIsRecognisedByItsSerialNumber) {
  MakeFolder(share + L"\\Docs");
  AddItem(share + L"\\Docs");
  CSource& item = items.GetAt(0);
  EXPECT_NE(item.volumeSerial, 0u);
  EXPECT_TRUE(RecognizeSource(item, fs, fs));
  EXPECT_TRUE(RemoveTree(share + L"\\Docs"));
}

// Before the move: the drive is at its first letter with the serial number of its file.
TEST_F(WineMappings, TheMappedDriveHasTheSerialNumberOfItsFile) {
  EXPECT_NE(fs.LogicalDriveMask() & BitOf(oldLetter), 0u);
  EXPECT_EQ(fs.LogicalDriveMask() & BitOf(newLetter), 0u);
  EXPECT_TRUE(fs.VolumeDeviceOpens(oldLetter));
  const String data = String{oldLetter} + L":\\Data";
  EXPECT_EQ(VolumeSerialOf(fs, data), driveSerial);
  AddItem(data);
  EXPECT_EQ(items.GetAt(0).volumeSerial, driveSerial);
  EXPECT_TRUE(RecognizeSource(items.GetAt(0), fs, fs));
  EXPECT_EQ(items.GetAt(0).path, data);
}

// After the move: an item stored with the old letter is found on the new one and backed up.
TEST_F(WineMappings, AfterTheMoveTheItemFollowsItsVolume) {
  ASSERT_EQ(fs.LogicalDriveMask() & BitOf(oldLetter), 0u) << "the drive was not moved";
  auto item = std::make_unique<CSource>();
  item->path = String{oldLetter} + L":\\Data";
  item->volumeSerial = driveSerial;
  items.AddTail(std::move(item));

  EXPECT_EQ(Run(), DONE_OK);
  EXPECT_EQ(items.GetAt(0).path, String{newLetter} + L":\\Data");
  EXPECT_EQ(items.GetAt(0).recognized, 1);
  EXPECT_EQ(FileText(target + L"\\Data\\moved.txt"), "on the moving disk");
}

}  // namespace
}  // namespace vl::test
