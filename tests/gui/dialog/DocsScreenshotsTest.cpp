// The pictures of the README: the dialog with an item, the dialog during a run and the report.
// They go to the screenshot folder like every other screenshot; scripts/docs-screenshots points
// that folder at docs/.
#include <gtest/gtest.h>

#include "tests/gui/dialog/DialogStory.h"
#include "tests/win32/WindowProbe.h"
#include "tests/gui/harness/Screenshots.h"

namespace vl::test {
namespace {

using DocsScreenshots = DialogStory;

// Time for a window that has just come up or changed to be painted.
constexpr DWORD kPaintMs = 500;

TEST_F(DocsScreenshots, IdleRunningAndReport) {
  std::vector<TreeFile> files;
  for (int i = 0; i < 8; ++i)
    files.push_back({L"IMG_00" + std::to_wstring(i) + L".raw", 16u << 20});
  const String photos = m_work / L"Photos";
  ASSERT_TRUE(MakeTree(photos, files));
  ASSERT_NO_FATAL_FAILURE(StartWithSet({photos}));
  ASSERT_TRUE(m_client.ClickItem(0));
  ASSERT_TRUE(
      WaitFor([&] { return m_client.Text(IDC_BACKUP_SOURCE_LINE) == photos; }, kGuiStepTimeoutMs));
  ParkMouse();
  ::Sleep(kPaintMs);
  EXPECT_FALSE(SaveScreenshot(L"backup-dialog", m_client.Dialog()).empty());

  ASSERT_TRUE(m_client.Click(IDC_BACKUP_START));
  ParkMouse();
  // The caption carries the percentage once the copying has begun.
  ASSERT_TRUE(WaitFor(
      [&] { return ReadWindowText(m_client.Dialog()).rfind(L"Vaultline (", 0) == 0; },
      kRunTimeoutMs))
      << m_client.Output();
  EXPECT_FALSE(SaveScreenshot(L"backup-running", m_client.Dialog()).empty());

  HWND report = WaitForReportOfRun();
  ASSERT_NE(report, nullptr) << m_client.Output();
  // Shown before its figures are filled in and painted.
  ASSERT_TRUE(WaitFor([&] { return !ReadReport(report).elapsed.empty(); }, kGuiStepTimeoutMs));
  ::Sleep(kPaintMs);
  EXPECT_FALSE(SaveScreenshot(L"report-dialog", report).empty());
  EXPECT_TRUE(CloseReport(report));
}

}  // namespace
}  // namespace vl::test
