// The backup target: an unreachable one found at start (kept grey, or replaced by the default
// in blue), a long one shortened on its line but opened in full, and one chosen in the folder
// browser.
#include <gtest/gtest.h>

#include "tests/gui/dialog/DialogStory.h"
#include "tests/gui/harness/FolderBrowser.h"
#include "tests/gui/harness/WineDrive.h"

namespace vl::test {
namespace {

constexpr const wchar_t* kTextChooseTargetTitle = L"Select a backup target folder.";

class TargetLine : public DialogStory {
 protected:
  // A target on a drive letter nobody uses.
  String MissingTarget() {
    const wchar_t letter = FreeDriveLetter();
    EXPECT_NE(letter, 0) << "no free drive letter";
    return String(1, letter) + L":\\Backup";
  }

  void StartAndAnswerTargetQuestion(const String& target, int answer) {
    ASSERT_TRUE(m_client.WriteSet({}, target));
    ASSERT_TRUE(m_client.Start());
    ASSERT_TRUE(m_client.Answer(kTextTargetMissing, answer, kGuiStartTimeoutMs));
    ASSERT_NE(m_client.WaitForDialog(), nullptr) << m_client.Output();
    ParkMouse();
  }

  int TargetLinePixels(COLORREF colour) {
    return CountColour(m_client.Control(IDC_BACKUP_TARGET_LINE), colour);
  }
};

TEST_F(TargetLine, UnreachableTargetKeptIsDrawnGrey) {
  const String missing = MissingTarget();
  ASSERT_NO_FATAL_FAILURE(StartAndAnswerTargetQuestion(missing, IDNO));
  EXPECT_TRUE(IsFittedFormOf(m_client.Text(IDC_BACKUP_TARGET_LINE), missing))
      << Narrow(m_client.Text(IDC_BACKUP_TARGET_LINE));
  EXPECT_TRUE(WaitFor([&] { return TargetLinePixels(kGrey) > 0; }, kGuiStepTimeoutMs));
  EXPECT_EQ(TargetLinePixels(kBlue), 0);
  EXPECT_EQ(m_client.ReadSet().target, missing);
}

TEST_F(TargetLine, UnreachableTargetReplacedByTheDefaultIsDrawnBlue) {
  ASSERT_NO_FATAL_FAILURE(StartAndAnswerTargetQuestion(MissingTarget(), IDYES));
  EXPECT_TRUE(IsFittedFormOf(m_client.Text(IDC_BACKUP_TARGET_LINE), m_client.DefaultTarget()))
      << Narrow(m_client.Text(IDC_BACKUP_TARGET_LINE));
  EXPECT_TRUE(WaitFor([&] { return TargetLinePixels(kBlue) > 0; }, kGuiStepTimeoutMs));
  EXPECT_EQ(TargetLinePixels(kGrey), 0);
  EXPECT_TRUE(WaitFor([&] { return m_client.ReadSet().target == m_client.DefaultTarget(); },
                      kGuiStepTimeoutMs))
      << Narrow(m_client.ReadSet().target);
}

TEST_F(TargetLine, LongTargetIsShortenedButOpenedInFull) {
  const String target =
      m_work / L"A folder with a rather long name for backups\\and another one below it\\Backup";
  ASSERT_TRUE(MakeTree(target, {}));
  ASSERT_NO_FATAL_FAILURE(StartWithSet({}, target));
  EXPECT_TRUE(m_client.NoBoxWithin()) << "the target exists";

  const String line = m_client.Text(IDC_BACKUP_TARGET_LINE);
  EXPECT_NE(line, target);
  EXPECT_TRUE(IsFittedFormOf(line, target)) << Narrow(line);

  // On the first characters of the line, where its text surely is.
  ASSERT_TRUE(ClickClientPoint(m_client.Control(IDC_BACKUP_TARGET_LINE), POINT{8, 9}));
  EXPECT_TRUE(m_client.Program().WaitForOutputCount(kTraceOpen + target, 1)) << m_client.Output();
}

TEST_F(TargetLine, TargetChosenInTheBrowserIsShownAndSaved) {
  const String nas = m_work / L"NAS";
  ASSERT_TRUE(MakeTree(nas, {}));
  ASSERT_NO_FATAL_FAILURE(StartWithSet({}));

  String chosen;
  ASSERT_NO_FATAL_FAILURE(
      ChooseInBrowser(IDC_BACKUP_LOCATION, kTextChooseTargetTitle, nas, chosen));

  EXPECT_TRUE(WaitFor([&] { return IsFittedFormOf(m_client.Text(IDC_BACKUP_TARGET_LINE), chosen); },
                      kGuiStepTimeoutMs))
      << Narrow(m_client.Text(IDC_BACKUP_TARGET_LINE));
  EXPECT_TRUE(WaitFor([&] { return m_client.ReadSet().target == chosen; }, kGuiStepTimeoutMs));
}

TEST_F(TargetLine, BrowserCancelledChangesNothing) {
  ASSERT_NO_FATAL_FAILURE(StartWithSet({}));
  ASSERT_TRUE(m_client.Click(IDC_BACKUP_LOCATION));
  FolderBrowser browser(m_client.ProcessId(), kGuiStepTimeoutMs);
  ASSERT_TRUE(browser.Found()) << m_client.Output();
  ASSERT_TRUE(browser.Select(m_work.Path()));
  ASSERT_TRUE(browser.PressCancel(kGuiStepTimeoutMs));
  ::Sleep(kGuiQuietMs);
  EXPECT_EQ(m_client.ReadSet().target, m_client.DefaultTarget());
}

}  // namespace
}  // namespace vl::test
