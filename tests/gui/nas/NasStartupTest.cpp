// The client's own connect at start-up, end to end: a set that asks for it gets the real
// network call, which Wine refuses, so the user is told once and the start goes on unmapped.
// The settings dialog then opens the NAS dialog through the frame over the set's entry.
#include <gtest/gtest.h>

#include "client/model/Settings.h"
#include "resources/client/resource.h"
#include "tests/gui/frame/FrameTestSupport.h"
#include "tests/gui/harness/ProcessWindows.h"
#include "tests/win32/WindowProbe.h"

namespace vl::test {
namespace {

TEST(NasStartup, ASetThatAsksConnectsAtStartAndARefusalIsToldOnce) {
  auto client = MakeClient();
  ASSERT_TRUE(::CreateDirectoryW((client->Folder() / L"Config").c_str(), nullptr));
  ASSERT_TRUE(WriteSetFile(client->Folder() / L"Config\\Default.bsf",
                           client->Folder().Path() + L"\\Backup", [](CSettings& s) {
                             s.m_strAutoConnect = L"ok";
                             s.m_dwNasAddress = 0x7F000001;  // 127.0.0.1
                             s.m_strNasShare = L"Backup";
                           }));
  ASSERT_TRUE(client->Start());
  HWND box = client->WaitForMessageBox(kGuiStartTimeoutMs);
  ASSERT_NE(box, nullptr) << client->OutputForFailure();
  EXPECT_EQ(ReadMessageBoxText(box),
            ClientString(client->ExePath(), IDS_MSG_NAS_NOT_CONNECTED));
  ::PostMessageW(::GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
  ASSERT_TRUE(client->Process().WaitForOutput(kTraceStartupDone, kGuiStartTimeoutMs))
      << client->OutputForFailure();
  EXPECT_EQ(client->CountOutput(L"[VAULTLINE][Frame] NAS connect 0 drive \n"), 1u)
      << client->OutputForFailure();

  HWND frame = client->WaitForWindow(nullptr, kMainFrameTitle);
  ASSERT_NE(frame, nullptr);
  ::PostMessageW(frame, WM_COMMAND, ID_TRAY_SETTINGS, 0);
  const DWORD process = client->Process().Id();
  HWND settings = WaitForWindowWithControl(process, IDC_SETTINGS_NAS, kGuiStepTimeoutMs);
  ASSERT_NE(settings, nullptr) << client->OutputForFailure();
  ::PostMessageW(settings, WM_COMMAND, MAKEWPARAM(IDC_SETTINGS_NAS, BN_CLICKED),
                 reinterpret_cast<LPARAM>(::GetDlgItem(settings, IDC_SETTINGS_NAS)));
  HWND nas = WaitForWindowWithControl(process, IDC_NAS_ADDRESS, kGuiStepTimeoutMs);
  ASSERT_NE(nas, nullptr) << client->OutputForFailure();
  EXPECT_EQ(ReadWindowText(nas), L"NAS Settings");
  EXPECT_EQ(ControlText(nas, IDC_NAS_SHARE), L"Backup");
  ::PostMessageW(nas, WM_COMMAND, IDCANCEL, 0);
  EXPECT_TRUE(client->WaitForOutputCount(L"[VAULTLINE][Frame] NAS dialog 2", 1))
      << client->OutputForFailure();
  ::PostMessageW(settings, WM_COMMAND, IDCANCEL, 0);
}

}  // namespace
}  // namespace vl::test
