// The settings dialog through the real client: opened from the tray menu, its controls enabled
// by the mode, OK's refusals and silent resets, what OK writes (the set file and the Run value)
// and what Cancel leaves, and the reset button's synchronizing run.
#include <gtest/gtest.h>

#include "client/app/Autostart.h"
#include "client/engine/RunCompletion.h"
#include "tests/gui/dialog/DialogStory.h"
#include "tests/gui/harness/Screenshots.h"
#include "tests/win32/WindowProbe.h"
#include "win32/handles/RegKey.h"

namespace vl::test {
namespace {

constexpr const wchar_t* kTextPeriodRange = L"Please set the time period. ( 1 ~ 24 hours )";
constexpr const wchar_t* kTextSynchronize =
    L"Backup folder will be synchronized, based on the original folders. \nNote: Deleted "
    L"file/folder from backup original folder, and the backup history folder will be deleted. ";
constexpr DWORD kPaintMs = 500;

String RunValue() {
  win32::RegKey key;
  String value;
  if (key.Open(HKEY_LOCAL_MACHINE, kAutostartRunKey) == ERROR_SUCCESS)
    key.QueryString(kAutostartValue, value);
  return value;
}

void DeleteRunValue() {
  win32::RegKey key;
  if (key.Open(HKEY_LOCAL_MACHINE, kAutostartRunKey, KEY_ALL_ACCESS) == ERROR_SUCCESS)
    key.DeleteValue(kAutostartValue);
}

class SettingsDialog : public DialogStory {
 protected:
  // The client on a set backing up Photos, its settings changed by adjust; the backup dialog
  // is hidden so that the settings dialog's boxes are the only ones on screen.
  void StartClient(const std::function<void(CSettings&)>& adjust) {
    DeleteRunValue();
    m_photos = MakePhotos();
    ASSERT_TRUE(m_client.WriteSet({m_photos}, m_client.DefaultTarget(), adjust));
    ASSERT_NE(m_client.StartAndWaitForDialog(), nullptr) << m_client.Output();
    ASSERT_TRUE(m_client.Click(IDC_BACKUP_CLOSE));
    ASSERT_TRUE(WaitFor([&] { return !::IsWindowVisible(m_client.Dialog()); },
                        kGuiStepTimeoutMs));
  }
  void TearDown() override {
    DeleteRunValue();
    DialogStory::TearDown();
  }

  HWND OpenFromTrayMenu() { return m_client.OpenFromTrayMenu('S', IDC_SETTINGS_AUTO_BACKUP); }

  static bool Enabled(HWND dialog, int id) { return ::IsWindowEnabled(::GetDlgItem(dialog, id)); }
  static bool Checked(HWND dialog, int id) {
    return ::SendMessageW(::GetDlgItem(dialog, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
  }
  static void Type(HWND dialog, int id, const wchar_t* text) {
    ::SendMessageW(::GetDlgItem(dialog, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
  }
  bool Closed(HWND dialog) {
    return WaitFor([&] { return !::IsWindow(dialog); }, kGuiStepTimeoutMs);
  }
  // The set file once the client saved it after the dialog closed.
  CSettings SavedSettings() {
    EXPECT_TRUE(m_client.Program().WaitForOutputCount(L"[VAULTLINE][Frame] settings applied", 1))
        << m_client.Output();
    return m_client.ReadSet().settings;
  }

  String m_photos;
};

TEST_F(SettingsDialog, ModeGovernsTheEditsAndBadHoursBlockOkWhileCancelKeepsTheSet) {
  ASSERT_NO_FATAL_FAILURE(StartClient([](CSettings& s) {
    s.m_bAutoBackup = 1;
    s.m_nBackupMode = 0;
  }));
  HWND dialog = OpenFromTrayMenu();
  ASSERT_NE(dialog, nullptr) << m_client.Output();
  EXPECT_EQ(ReadWindowText(dialog), L"Vaultline Settings");
  EXPECT_TRUE(Enabled(dialog, IDC_SETTINGS_HOURS));
  EXPECT_FALSE(Enabled(dialog, IDC_SETTINGS_MINUTES));
  EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(dialog, IDC_SETTINGS_NAS)));
  ::Sleep(kPaintMs);
  ParkMouse();
  EXPECT_FALSE(SaveScreenshot(L"settings-dialog", dialog).empty());

  ASSERT_TRUE(ClickCentreOf(::GetDlgItem(dialog, IDC_SETTINGS_REAL_TIME)));
  EXPECT_TRUE(WaitFor([&] { return !Enabled(dialog, IDC_SETTINGS_HOURS); }, kGuiStepTimeoutMs));
  EXPECT_FALSE(Enabled(dialog, IDC_SETTINGS_MINUTES));

  // Both intervals are checked whatever the mode.
  Type(dialog, IDC_SETTINGS_HOURS, L"25");
  ASSERT_TRUE(ClickCentreOf(::GetDlgItem(dialog, IDOK)));
  ASSERT_TRUE(m_client.Answer(kTextPeriodRange, IDOK));
  EXPECT_TRUE(::IsWindow(dialog)) << "OK closed the dialog over a refused value";
  EXPECT_EQ(ReadWindowText(::GetDlgItem(dialog, IDC_SETTINGS_HOURS)), L"4");

  ASSERT_TRUE(ClickCentreOf(::GetDlgItem(dialog, IDCANCEL)));
  ASSERT_TRUE(Closed(dialog));
  EXPECT_TRUE(m_client.NoBoxWithin());
  const CSettings kept = m_client.ReadSet().settings;
  EXPECT_EQ(kept.m_nBackupMode, 0);
  EXPECT_EQ(kept.m_strPeriod, L"4");
  EXPECT_EQ(m_client.CountTrace(L"[VAULTLINE][Frame] real-time started"), 0u);
}

TEST_F(SettingsDialog, OkStoresSilentDefaultsTheHistoryModeAndTheRunValue) {
  ASSERT_NO_FATAL_FAILURE(StartClient([](CSettings& s) { s.m_bAutoBackup = 0; }));
  HWND dialog = OpenFromTrayMenu();
  ASSERT_NE(dialog, nullptr) << m_client.Output();
  EXPECT_FALSE(Enabled(dialog, IDC_SETTINGS_PERIODIC));
  EXPECT_FALSE(Checked(dialog, IDC_SETTINGS_AUTOSTART));
  Type(dialog, IDC_SETTINGS_HOURS, L"0");
  Type(dialog, IDC_SETTINGS_MINUTES, L"");
  ASSERT_TRUE(ClickCentreOf(::GetDlgItem(dialog, IDC_SETTINGS_AUTOSTART)));
  ASSERT_TRUE(ClickCentreOf(::GetDlgItem(dialog, IDC_SETTINGS_OVERWRITE)));
  ASSERT_TRUE(ClickCentreOf(::GetDlgItem(dialog, IDOK)));
  ASSERT_TRUE(Closed(dialog)) << "automatic backup is off: nothing is refused";

  const CSettings saved = SavedSettings();
  EXPECT_EQ(saved.m_strPeriod, L"4");
  EXPECT_EQ(saved.m_strIdleTime, L"10");
  EXPECT_EQ(saved.m_nHistoryMode, 1);
  EXPECT_EQ(saved.m_bAutoBackup, 0);
  const String& program = m_client.Program().ExePath();
  EXPECT_EQ(::CompareStringOrdinal(RunValue().c_str(), -1, program.c_str(), -1, TRUE),
            CSTR_EQUAL)
      << Narrow(RunValue());

  // Opened again, the box reads the value back.
  dialog = OpenFromTrayMenu();
  ASSERT_NE(dialog, nullptr) << m_client.Output();
  EXPECT_TRUE(Checked(dialog, IDC_SETTINGS_AUTOSTART));
  EXPECT_TRUE(Checked(dialog, IDC_SETTINGS_OVERWRITE));
  ASSERT_TRUE(ClickCentreOf(::GetDlgItem(dialog, IDC_SETTINGS_CLOSE)));
  ASSERT_TRUE(Closed(dialog));
}

TEST_F(SettingsDialog, ResetWithYesRunsASynchronizingBackupThatDeletesWhatTheSourceLost) {
  ASSERT_NO_FATAL_FAILURE(StartClient({}));
  const String copy = m_client.DefaultTarget() + L"\\Photos";
  ASSERT_TRUE(MakeTree(copy, {{L"gone.jpg", 100}}));
  HWND dialog = OpenFromTrayMenu();
  ASSERT_NE(dialog, nullptr) << m_client.Output();
  ASSERT_TRUE(ClickCentreOf(::GetDlgItem(dialog, IDC_SETTINGS_RESET)));
  ASSERT_TRUE(m_client.Answer(kTextSynchronize, IDYES));
  ASSERT_TRUE(Closed(dialog));
  ASSERT_TRUE(m_client.WaitForRunDone(DONE_OK)) << m_client.Output();
  EXPECT_EQ(m_client.CountTrace(L"[VAULTLINE][Dialog] automatic synchronizing start"), 1u);
  EXPECT_TRUE(SameContent(m_photos + L"\\a.jpg", copy + L"\\a.jpg"));
  EXPECT_EQ(::GetFileAttributesW((copy + L"\\gone.jpg").c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_TRUE(m_client.NoBoxWithin()) << "an automatic run shows no report";
}

}  // namespace
}  // namespace vl::test
