// The backup target re-checked when a device comes or goes: a set whose target is the root of a
// drive that is plugged in and pulled out (a Wine drive mapping made and removed).
#include <gtest/gtest.h>
#include <windows.h>
#include <dbt.h>

#include <string>

#include "tests/gui/frame/FrameTestSupport.h"
#include "tests/gui/harness/WineDrive.h"

namespace vl::test {
namespace {

void SendDeviceChange(HWND frame, WPARAM event, wchar_t letter) {
  DEV_BROADCAST_VOLUME volume{};
  volume.dbcv_size = sizeof(volume);
  volume.dbcv_devicetype = DBT_DEVTYP_VOLUME;
  volume.dbcv_unitmask = 1u << (letter - L'A');
  DWORD_PTR answer = 0;
  ::SendMessageTimeoutW(frame, WM_DEVICECHANGE, event, reinterpret_cast<LPARAM>(&volume),
                        SMTO_ABORTIFHUNG, kGuiStepTimeoutMs, &answer);
}

class DeviceChange : public ::testing::Test {
 protected:
  void SetUp() override {
    m_letter = FreeDriveLetter();
    ASSERT_NE(m_letter, 0) << "no free drive letter";
    m_drive = std::make_unique<WineDrive>(
        m_letter, "/tmp/vl-drive-" + std::to_string(GetCurrentProcessId()));
    ASSERT_TRUE(m_drive->Usable()) << "WINEPREFIX is not set";
  }

  // Starts the frame host with a set whose target is the drive's root; null when it did not
  // come up (the failure is recorded).
  HWND StartWithDriveTarget(GuiProgram& host) {
    EXPECT_TRUE(CreateDirectoryW((host.Folder() / L"Config").c_str(), nullptr));
    EXPECT_TRUE(WriteSetFile(host.Folder() / L"Config\\Default.bsf", m_drive->Root()));
    HWND frame = StartAndWaitForFrame(host);
    EXPECT_NE(frame, nullptr) << host.OutputForFailure();
    return frame;
  }

  String TraceOf(bool ready) const {
    return L"[VAULTLINE][Target] " + m_drive->Root() + (ready ? L" ready 1" : L" ready 0");
  }

  wchar_t m_letter = 0;
  std::unique_ptr<WineDrive> m_drive;
};

TEST_F(DeviceChange, DriveRootTargetTurnsReadyAndNotReadyWithItsDrive) {
  auto host = MakeFrameHost();
  HWND frame = StartWithDriveTarget(*host);
  ASSERT_NE(frame, nullptr);

  ASSERT_TRUE(m_drive->Plug());
  SendDeviceChange(frame, DBT_DEVICEARRIVAL, m_letter);
  EXPECT_TRUE(host->WaitForOutputCount(TraceOf(true), 1)) << host->OutputForFailure();
  EXPECT_TRUE(host->WaitForOutputCount(L"[FAKEDLG] target colour FF0000", 1));

  ASSERT_TRUE(m_drive->Unplug());
  SendDeviceChange(frame, DBT_DEVICEREMOVECOMPLETE, m_letter);
  EXPECT_TRUE(host->WaitForOutputCount(TraceOf(false), 1)) << host->OutputForFailure();
  EXPECT_TRUE(host->WaitForOutputCount(L"[FAKEDLG] target colour 808080", 1));
}

TEST_F(DeviceChange, OtherDeviceEventsLeaveTheTargetAlone) {
  auto host = MakeFrameHost();
  HWND frame = StartWithDriveTarget(*host);
  ASSERT_NE(frame, nullptr);

  ASSERT_TRUE(m_drive->Plug());
  SendDeviceChange(frame, DBT_DEVICEQUERYREMOVE, m_letter);
  SendDeviceChange(frame, DBT_DEVNODES_CHANGED, m_letter);
  ::Sleep(kGuiQuietMs);
  EXPECT_EQ(host->CountOutput(L"[VAULTLINE][Target]"), 0u) << host->OutputForFailure();
}

}  // namespace
}  // namespace vl::test
