// The frame's Win32 pieces in-process: the target check against a real drive mapping, the
// report to the backup dialog's target line, the system-name query and the policy value.
#include <gtest/gtest.h>

#include <string>

#include "client/app/DeviceCheck.h"
#include "client/app/LinkedConnections.h"
#include "client/app/OsName.h"
#include "client/app/TrayIcon.h"
#include "client/ui/IBackupDialog.h"
#include "resources/client/resource.h"
#include "tests/gui/harness/WineDrive.h"
#include "tests/win32/TempFolder.h"
#include "win32/handles/RegKey.h"

namespace vl::test {
namespace {

class RecordingTargetLine : public ITargetLine {
 public:
  int calls = 0;
  COLORREF colour = 0;
  void SetTargetLineColour(COLORREF c) override {
    ++calls;
    colour = c;
  }
};

TEST(TargetState, ReachableSetsTheFlagAndColoursTheLineBlue) {
  RecordingTargetLine line;
  int32_t ready = 0;
  ReportTargetState(true, ready, &line);
  EXPECT_EQ(ready, 1);
  EXPECT_EQ(line.calls, 1);
  EXPECT_EQ(line.colour, RGB(0, 0, 255));
  ReportTargetState(false, ready, &line);
  EXPECT_EQ(ready, 0);
  EXPECT_EQ(line.calls, 2);
  EXPECT_EQ(line.colour, RGB(128, 128, 128));
}

TEST(TargetState, WithoutADialogOnlyTheFlagChanges) {
  int32_t ready = 0;
  ReportTargetState(true, ready, nullptr);
  EXPECT_EQ(ready, 1);
}

TEST(TargetCheck, DriveRootFollowsTheDriveAndFoldersMustExist) {
  const wchar_t letter = FreeDriveLetter();
  ASSERT_NE(letter, 0);
  WineDrive drive(letter, "/tmp/vl-frameparts-" + std::to_string(GetCurrentProcessId()));
  ASSERT_TRUE(drive.Usable());
  EXPECT_FALSE(IsTargetReachable(drive.Root()));
  ASSERT_TRUE(drive.Plug());
  EXPECT_TRUE(IsTargetReachable(drive.Root()));
  // Only the drive letter matters for a root: the rest of the path is not looked at.
  EXPECT_TRUE(IsTargetReachable(drive.Root() + L"NoSuchFolder\\"));
  ASSERT_TRUE(drive.Unplug());
  EXPECT_FALSE(IsTargetReachable(drive.Root()));

  TempFolder folder;
  EXPECT_TRUE(IsTargetReachable(folder.Path()));
  EXPECT_FALSE(IsTargetReachable(folder / L"missing"));
}

TEST(OsNameQuery, AnswersAndFollowsTheRule) {
  const OsVersion version = QueryOsVersion();
  ASSERT_TRUE(version.known);
  EXPECT_TRUE(version.ntFamily);
  EXPECT_EQ(GetOsName(), OsNameFor(version));
}

TEST(LinkedConnectionsPolicy, WrittenOnlyForTheSystemsThatNeedIt) {
  win32::RegKey key;
  ASSERT_EQ(key.Create(HKEY_LOCAL_MACHINE, kPolicySystemKey), ERROR_SUCCESS);
  ::RegDeleteValueW(key.Get(), kLinkedConnectionsValue);

  EXPECT_FALSE(ApplyLinkedConnectionsPolicy(L"win7"));
  DWORD value = 0;
  DWORD size = sizeof(value);
  EXPECT_NE(::RegQueryValueExW(key.Get(), kLinkedConnectionsValue, nullptr, nullptr,
                               reinterpret_cast<BYTE*>(&value), &size),
            ERROR_SUCCESS);

  EXPECT_TRUE(ApplyLinkedConnectionsPolicy(L"WIN8"));
  DWORD type = 0;
  ASSERT_EQ(::RegQueryValueExW(key.Get(), kLinkedConnectionsValue, nullptr, &type,
                               reinterpret_cast<BYTE*>(&value), &size),
            ERROR_SUCCESS);
  EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
  EXPECT_EQ(value, 1u);
  ::RegDeleteValueW(key.Get(), kLinkedConnectionsValue);
}

TEST(TrayIconCreate, RefusesWithoutAnOwnerWindow) {
  CTrayIcon icon;
  EXPECT_FALSE(icon.Create(nullptr, WM_USER + 1001, L"Vaultline", IDR_TRAYMENU));
  EXPECT_FALSE(icon.IsAdded());
  EXPECT_FALSE(icon.SetIcon(IDR_MAINFRAME));
}

TEST(TrayIconNotification, OtherIconsAreNotOurs) {
  CTrayIcon icon;
  EXPECT_EQ(icon.OnTrayNotification(7, WM_RBUTTONUP), 0);
}

}  // namespace
}  // namespace vl::test
