// The restore dialog through the real client: opened from the tray menu, a file dropped on it,
// its kept versions listed newest first, the oldest restored into a folder byte for byte, and
// a restore onto the file the user has now asked first and keeping that file on the target.
#include <gtest/gtest.h>

#include "client/model/Settings.h"
#include "tests/gui/dialog/DialogStory.h"
#include "tests/gui/harness/FolderBrowser.h"
#include "tests/gui/harness/Input.h"
#include "tests/gui/harness/Keyboard.h"
#include "tests/gui/harness/RemoteListView.h"
#include "tests/gui/harness/Screenshots.h"
#include "tests/gui/harness/ShellDrop.h"

namespace vl::test {
namespace {

constexpr const wchar_t* kKeptNewer = L"Docs\\_VLHistory\\report_VL20261205090000.txt";
constexpr const wchar_t* kKeptOlder = L"Docs\\_VLHistory\\report_vl20261201101500.txt";
constexpr DWORD kPaintMs = 500;

String Join(const String& folder, const String& name) { return folder + L"\\" + name; }
String Quoted(const String& path) { return L"\"" + path + L"\""; }
String RestoredText(const String& path) { return L"Restored to " + Quoted(path) + L"."; }
String ReplaceQuestion(const String& path) {
  return Quoted(path) + L" already exists. Do you want to replace it? What it replaces is kept "
                        L"as a history copy in the backup.";
}

class RestoreDialog : public DialogStory {
 protected:
  // A set backing up Docs into Target, whose copy of report.txt has two kept versions (the
  // older one's name in lower case, as another tool may have left it).
  void SetUp() override {
    m_docs = m_work / L"Docs";
    m_target = m_work / L"Target";
    ASSERT_TRUE(MakeTree(m_docs, {{L"report.txt", 400}}));
    ASSERT_TRUE(MakeTree(m_target, {{L"Docs\\report.txt", 300},
                                    {kKeptNewer, 200},
                                    {kKeptOlder, 100}}));
    ASSERT_TRUE(m_client.WriteSet({m_docs}, m_target, [this](CSettings& s) { Adjust(s); }));
    ASSERT_NE(m_client.StartAndWaitForDialog(), nullptr) << m_client.Output();
    // Boxes of the restore dialog must not find the backup dialog usable behind them.
    ASSERT_TRUE(m_client.Click(IDC_BACKUP_CLOSE));
    ASSERT_TRUE(WaitFor([&] { return !::IsWindowVisible(m_client.Dialog()); },
                        kGuiStepTimeoutMs));
  }

  virtual void Adjust(CSettings&) {}

  HWND OpenFromTrayMenu() { return m_client.OpenFromTrayMenu('R', IDC_RESTORE_VERSIONS); }

  std::vector<ListViewRow> Rows(HWND dialog, size_t count) {
    std::vector<ListViewRow> rows;
    WaitFor([&] {
      rows = ReadListViewRows(::GetDlgItem(dialog, IDC_RESTORE_VERSIONS), 3);
      return rows.size() == count;
    }, kGuiStepTimeoutMs);
    return rows;
  }

  // Selects the last row, the oldest version: a click on the list's empty part, then Home and
  // End (End alone selects nothing where the focus is on the last row already).
  void SelectOldest(HWND dialog) {
    ASSERT_TRUE(ClickCentreOf(::GetDlgItem(dialog, IDC_RESTORE_VERSIONS)));
    ASSERT_TRUE(PressKey(VK_HOME));
    ASSERT_TRUE(PressKey(VK_END));
    ASSERT_TRUE(WaitFor([&] { return ::IsWindowEnabled(::GetDlgItem(dialog, IDC_RESTORE_HERE)); },
                        kGuiStepTimeoutMs));
  }

  String m_docs;
  String m_target;
};

TEST_F(RestoreDialog, ListsKeptVersionsAndRestoresOneIntoAFolderAndOntoTheFile) {
  HWND dialog = OpenFromTrayMenu();
  ASSERT_NE(dialog, nullptr) << m_client.Output();
  EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(dialog, IDC_RESTORE_HERE)));
  const String file = Join(m_docs, L"report.txt");
  ShellDrop drop;
  ASSERT_TRUE(drop.Post(dialog, {file}));
  const std::vector<ListViewRow> rows = Rows(dialog, 3);
  ASSERT_EQ(rows.size(), 3u) << m_client.Output();
  EXPECT_EQ(rows[0][0], L"Current backup");
  EXPECT_EQ(rows[1][0], L"2026-12-05 09:00:00");
  EXPECT_EQ(rows[2][0], L"2026-12-01 10:15:00");
  EXPECT_EQ(ControlText(dialog, IDC_RESTORE_PATH), file);
  ParkMouse();
  ::Sleep(kPaintMs);
  EXPECT_FALSE(SaveScreenshot(L"restore-dialog", dialog).empty());

  // The oldest version into a folder of its own.
  const String out = m_work / L"Out";
  ASSERT_TRUE(::CreateDirectoryW(out.c_str(), nullptr));
  ASSERT_NO_FATAL_FAILURE(SelectOldest(dialog));
  ASSERT_TRUE(ClickCentreOf(::GetDlgItem(dialog, IDC_RESTORE_TO)));
  FolderBrowser browser(m_client.ProcessId(), kGuiStepTimeoutMs);
  ASSERT_TRUE(browser.Found()) << m_client.Output();
  EXPECT_EQ(browser.Title(), L"Select the folder to restore into.");
  ASSERT_EQ(browser.SelectFolder(out, kGuiStepTimeoutMs), out);
  ASSERT_TRUE(browser.PressOk(kGuiStepTimeoutMs));
  ASSERT_TRUE(m_client.Answer(RestoredText(Join(out, L"report.txt")), IDOK));
  EXPECT_TRUE(SameContent(Join(out, L"report.txt"), Join(m_target, kKeptOlder)));

  // Onto the file there now: asked first, and No leaves it alone.
  ASSERT_NO_FATAL_FAILURE(SelectOldest(dialog));
  const String before = m_work / L"before.txt";
  ASSERT_TRUE(::CopyFileW(file.c_str(), before.c_str(), TRUE));
  ASSERT_TRUE(ClickCentreOf(::GetDlgItem(dialog, IDC_RESTORE_HERE)));
  ASSERT_TRUE(m_client.Answer(ReplaceQuestion(file), IDNO));
  EXPECT_TRUE(m_client.NoBoxWithin());
  EXPECT_TRUE(SameContent(file, before));

  // Yes: restored, and the file it replaced is one more kept version on the target.
  ASSERT_TRUE(ClickCentreOf(::GetDlgItem(dialog, IDC_RESTORE_HERE)));
  ASSERT_TRUE(m_client.Answer(ReplaceQuestion(file), IDYES));
  ASSERT_TRUE(m_client.Answer(RestoredText(file), IDOK));
  EXPECT_TRUE(SameContent(file, Join(m_target, kKeptOlder)));
  const std::vector<String> kept = ListNames(Join(m_target, L"Docs\\_VLHistory"));
  ASSERT_EQ(kept.size(), 3u);
  bool keptMine = false;
  for (const String& name : kept)
    keptMine = keptMine || SameContent(Join(Join(m_target, L"Docs\\_VLHistory"), name), before);
  EXPECT_TRUE(keptMine);
  EXPECT_EQ(Rows(dialog, 4).size(), 4u);

  ASSERT_TRUE(ClickCentreOf(::GetDlgItem(dialog, IDC_RESTORE_CLOSE)));
  EXPECT_TRUE(WaitFor([&] { return !::IsWindow(dialog); }, kGuiStepTimeoutMs));
}

// Idle backups every 10 s (an idle time of 0 minutes): one that comes while the dialog is open
// waits for it to close, since its run would write the target the restore reads.
class RestoreDialogWithIdleBackups : public RestoreDialog {
 protected:
  void Adjust(CSettings& s) override {
    s.m_bAutoBackup = 1;
    s.m_nBackupMode = 1;
    s.m_strIdleTime = L"0";
  }
};

TEST_F(RestoreDialogWithIdleBackups, AnAutomaticRunWaitsUntilTheDialogCloses) {
  HWND dialog = OpenFromTrayMenu();
  ASSERT_NE(dialog, nullptr) << m_client.Output();
  ASSERT_TRUE(m_client.Program().WaitForOutputCount(
      L"[VAULTLINE][Frame] automatic backup waits for the restore", 1, 30000))
      << m_client.Output();
  const size_t started = m_client.CountTrace(kTraceRunStarted);
  ::Sleep(kGuiQuietMs);
  EXPECT_EQ(m_client.CountTrace(kTraceRunStarted), started) << m_client.Output();
  ASSERT_TRUE(ClickCentreOf(::GetDlgItem(dialog, IDC_RESTORE_CLOSE)));
  EXPECT_TRUE(m_client.Program().WaitForOutputCount(kTraceRunStarted, started + 1))
      << m_client.Output();
}

}  // namespace
}  // namespace vl::test
