// Backups run from the dialog as a person runs them: a folder dropped and backed up at the
// offer, a second run with nothing to do and one after a change, a run with files the system
// will not let anyone read, and a long run stopped or not stopped.
#include <gtest/gtest.h>

#include <algorithm>
#include <regex>

#include "client/model/PathJoin.h"
#include "tests/gui/dialog/DialogStory.h"
#include "tests/gui/harness/Capture.h"
#include "tests/gui/harness/Screenshots.h"
#include "tests/gui/harness/ShellDrop.h"
#include "win32/handles/FileHandle.h"

namespace vl::test {
namespace {

using BackupRun = DialogStory;

// No text drawn there: every pixel has the same colour.
bool IsOneColour(const Image& image) {
  return !image.Empty() && std::all_of(image.pixels.begin(), image.pixels.end(),
                                       [&](uint32_t p) { return p == image.pixels[0]; });
}

TEST_F(BackupRun, DroppedFolderIsBackedUpAtTheOfferAndReported) {
  const String photos = MakePhotos();
  ASSERT_NE(m_client.StartAndWaitForDialog(), nullptr) << m_client.Output();
  EXPECT_TRUE(m_client.Program().WaitForOutputCount(kTraceShown, 1)) << m_client.Output();

  ShellDrop drop;
  ASSERT_TRUE(drop.Post(m_client.Dialog(), {photos}));
  ASSERT_TRUE(m_client.Answer(kTextBackupNow, IDYES));
  HWND report = WaitForReportOfRun();
  ASSERT_NE(report, nullptr) << m_client.Output();
  EXPECT_EQ(m_client.CountTrace(kTraceRunStarted), 1u) << m_client.Output();

  const ReportView view = ReadReport(report);
  EXPECT_EQ(view.result, kTextSuccess);
  EXPECT_EQ(view.files, L"3");
  EXPECT_EQ(view.folders, L"2");
  EXPECT_EQ(view.newCopies, L"3");
  EXPECT_EQ(view.updates, L"0");
  EXPECT_EQ(view.totalSize, L"5.86 KB");
  EXPECT_EQ(view.elapsed.size(), 8u) << Narrow(view.elapsed);
  EXPECT_TRUE(view.rows.empty());
  ParkMouse();
  EXPECT_GT(CountColour(::GetDlgItem(report, IDC_REPORT_RESULT), kBlue), 0);
  EXPECT_EQ(CountColour(::GetDlgItem(report, IDC_REPORT_RESULT), kRed), 0);
  ASSERT_TRUE(CloseReport(report));

  const String copy = m_client.DefaultTarget() + L"\\Photos";
  EXPECT_TRUE(SameContent(photos + L"\\a.jpg", copy + L"\\a.jpg"));
  EXPECT_TRUE(SameContent(photos + L"\\b.jpg", copy + L"\\b.jpg"));
  EXPECT_TRUE(SameContent(photos + L"\\Trip\\c.jpg", copy + L"\\Trip\\c.jpg"));
  const SavedSet saved = m_client.ReadSet();
  EXPECT_EQ(saved.items, std::vector<String>{photos});
  EXPECT_EQ(m_client.ItemCount(), 1);
}

TEST_F(BackupRun, NothingNewIsSaidAndAChangedFileIsUpdatedWithItsHistory) {
  const String photos = MakePhotos();
  ASSERT_NO_FATAL_FAILURE(StartWithSet({photos}));
  ASSERT_TRUE(m_client.Click(IDC_BACKUP_START));
  HWND report = WaitForReportOfRun();
  ASSERT_NE(report, nullptr) << m_client.Output();
  ASSERT_TRUE(CloseReport(report));

  // Away from the screen's centre, so the message box does not repaint the status line for us.
  ::SetWindowPos(m_client.Dialog(), nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  ASSERT_TRUE(m_client.Click(IDC_BACKUP_START));
  EXPECT_TRUE(m_client.Answer(kTextNothingToBackUp, IDOK, kRunTimeoutMs));
  EXPECT_TRUE(m_client.WaitForRunDone(2)) << m_client.Output();
  const auto statusLine = [&] {
    RECT rect{};
    ::GetWindowRect(::GetDlgItem(m_client.Dialog(), IDC_BACKUP_SOURCE_LINE), &rect);
    return CaptureScreen(rect);
  };
  EXPECT_TRUE(WaitFor([&] { return IsOneColour(statusLine()); }, kGuiStepTimeoutMs))
      << "the status line still shows the run's last text on the screen";

  ASSERT_TRUE(ChangeFile(photos + L"\\b.jpg"));
  ASSERT_TRUE(m_client.Click(IDC_BACKUP_START));
  report = m_client.WaitForReport();
  ASSERT_NE(report, nullptr) << m_client.Output();
  const ReportView view = ReadReport(report);
  EXPECT_EQ(view.result, kTextSuccess);
  EXPECT_EQ(view.files, L"1");
  EXPECT_EQ(view.newCopies, L"0");
  EXPECT_EQ(view.updates, L"1");
  ASSERT_TRUE(CloseReport(report));

  const String copy = m_client.DefaultTarget() + L"\\Photos";
  EXPECT_TRUE(SameContent(photos + L"\\b.jpg", copy + L"\\b.jpg"));
  const std::vector<String> history = ListNames(copy + L"\\_VLHistory");
  ASSERT_EQ(history.size(), 1u);
  EXPECT_TRUE(std::regex_match(Narrow(history[0]), std::regex("b_VL[0-9]{14}\\.jpg")))
      << Narrow(history[0]);
}

TEST_F(BackupRun, FilesHeldByAnotherProgramAreReportedAsErrorsInTheirOrder) {
  const String root = m_work / L"Locked";
  ASSERT_TRUE(MakeTree(root, {{L"one.doc", 500}, {L"two.doc", 600}, {L"free.doc", 700}}));
  // Held with no sharing at all: the client can neither read nor copy them.
  win32::FileHandle one;
  win32::FileHandle two;
  ASSERT_TRUE(one.Open(root + L"\\one.doc", GENERIC_READ, 0, OPEN_EXISTING));
  ASSERT_TRUE(two.Open(root + L"\\two.doc", GENERIC_READ, 0, OPEN_EXISTING));
  ASSERT_NO_FATAL_FAILURE(StartWithSet({root}));

  ASSERT_TRUE(m_client.Click(IDC_BACKUP_START));
  HWND report = WaitForReportOfRun();
  ASSERT_NE(report, nullptr) << m_client.Output();
  const ReportView view = ReadReport(report);
  EXPECT_EQ(view.result, kTextErrorOccurred);
  EXPECT_EQ(view.newCopies, L"1");
  std::vector<ListViewRow> expected;
  for (const String& name : ListNames(root)) {
    if (name != L"free.doc") expected.push_back({root + L"\\" + name, kTextCopyFailed});
  }
  EXPECT_EQ(view.rows, expected);
  ParkMouse();
  EXPECT_GT(CountColour(::GetDlgItem(report, IDC_REPORT_RESULT), kRed), 0);
  EXPECT_EQ(CountColour(::GetDlgItem(report, IDC_REPORT_RESULT), kBlue), 0);
  SaveScreenshot(L"report-with-errors", report);
  EXPECT_TRUE(CloseReport(report));
}

// Wine copies a file in one piece (CopyFileExW never reports progress there), so a stop takes
// effect between files: the run has several large ones and enough small ones to last a few
// seconds, so that Stop is pressed while it still has work to do.
class LongRun : public DialogStory {
 protected:
  void SetUp() override {
    std::vector<TreeFile> files;
    for (int i = 0; i < kLarge; ++i)
      files.push_back({L"part" + std::to_wstring(i) + L".bin", kSize});
    for (int i = 0; i < kSmall; ++i)
      files.push_back({L"note" + std::to_wstring(i) + L".txt", 512});
    m_root = m_work / L"Large";
    ASSERT_TRUE(MakeTree(m_root, files));
    ASSERT_NO_FATAL_FAILURE(StartWithSet({m_root}));
    ASSERT_TRUE(m_client.Click(IDC_BACKUP_START));
    ASSERT_TRUE(m_client.Program().WaitForOutputCount(kTraceRunStarted, 1, kRunTimeoutMs))
        << m_client.Output();
    ASSERT_TRUE(WaitFor([&] { return m_client.IsShown(IDC_BACKUP_STOP); }, kGuiStepTimeoutMs));
    EXPECT_FALSE(m_client.IsShown(IDC_BACKUP_START));
    EXPECT_TRUE(m_client.IsShown(IDC_BACKUP_PROGRESS));
  }

  static constexpr int kLarge = 8;
  static constexpr int kSmall = 2000;
  static constexpr size_t kSize = 24u << 20;
  String m_root;
};

TEST_F(LongRun, StopAnsweredNoLetsTheRunFinishWithItsReport) {
  ASSERT_TRUE(m_client.Click(IDC_BACKUP_STOP));
  ASSERT_TRUE(m_client.Answer(kTextConfirmCancel, IDNO));
  HWND report = WaitForReportOfRun();
  ASSERT_NE(report, nullptr) << m_client.Output();
  const ReportView view = ReadReport(report);
  EXPECT_EQ(view.result, kTextSuccess);
  EXPECT_EQ(view.newCopies, std::to_wstring(kLarge + kSmall));
  EXPECT_TRUE(CloseReport(report));
  EXPECT_TRUE(m_client.IsShown(IDC_BACKUP_START));
  EXPECT_FALSE(m_client.IsShown(IDC_BACKUP_STOP));
}

TEST_F(LongRun, StopAnsweredYesCancelsWithoutAReport) {
  ASSERT_TRUE(m_client.Click(IDC_BACKUP_STOP));
  ASSERT_TRUE(m_client.Answer(kTextConfirmCancel, IDYES));
  EXPECT_TRUE(m_client.Answer(kTextCancelled, IDOK, kRunTimeoutMs));
  EXPECT_TRUE(m_client.WaitForRunDone(3)) << m_client.Output();
  EXPECT_EQ(m_client.WaitForReport(kGuiQuietMs), nullptr);
  EXPECT_LT(ListNames(m_client.DefaultTarget() + L"\\Large").size(),
            static_cast<size_t>(kLarge + kSmall));
  EXPECT_TRUE(m_client.IsShown(IDC_BACKUP_START));
  EXPECT_EQ(m_client.Text(IDC_BACKUP_SOURCE_LINE), L"");
}

}  // namespace
}  // namespace vl::test
