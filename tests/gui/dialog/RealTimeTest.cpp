// Real-time backup through the real client, in a Wine prefix whose watched drive is a test
// mapping (VL_TEST_WATCHED names its letter; without it these tests do not run: a watcher on
// Wine's Z: would watch all of Linux). The items lie on that drive outside the temporary
// folder, which the watchers leave out; so does the target, so that its own changes reach
// the client and must be recognised as its own.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <string>

#include "client/engine/RunCompletion.h"
#include "client/model/Settings.h"
#include "tests/gui/dialog/DialogStory.h"

namespace vl::test {
namespace {

// Each change waits three seconds after its last write; a pass runs every half second.
constexpr DWORD kCopyTimeoutMs = 20000;
constexpr DWORD kSettleMs = 2500;
constexpr const wchar_t* kTraceStarted = L"[VAULTLINE][Frame] real-time started";
constexpr const wchar_t* kTraceStopped = L"[VAULTLINE][Frame] real-time stopped";
constexpr const wchar_t* kFrameCaption = L"Vaultline MainFrame";
constexpr const wchar_t* kTextBackUpNowRealTime =
    L"Real time backup is \u2018on\u2019. Will you backup changed folder(s) and files(s) now?";

bool HasContent(const String& path, const std::string& expected) {
  std::string bytes;
  return ReadFileBytes(path, bytes) && bytes == expected;
}

size_t CountFiles(const String& folder) {
  WIN32_FIND_DATAW entry;
  HANDLE find = ::FindFirstFileW((folder + L"\\*").c_str(), &entry);
  if (find == INVALID_HANDLE_VALUE) return 0;
  size_t count = 0;
  do {
    if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) ++count;
  } while (::FindNextFileW(find, &entry));
  ::FindClose(find);
  return count;
}

class RealTime : public DialogStory {
 protected:
  void SetUp() override {
    const char* letter = std::getenv("VL_TEST_WATCHED");
    if (letter == nullptr || *letter == '\0') GTEST_SKIP() << "needs the watch prefix";
    m_root = String(1, static_cast<wchar_t>(*letter)) + L":\\rt" +
             std::to_wstring(::GetCurrentProcessId()) + L"_" + std::to_wstring(++s_round);
    m_docs = m_root + L"\\Docs";
    m_target = m_root + L"\\Target";
    // A folder that exists before the client starts: Wine's watch sees it only after the
    // client's warm-up has opened it.
    ASSERT_TRUE(MakeOldTree());
    ASSERT_TRUE(::CreateDirectoryW(m_target.c_str(), nullptr));
    ASSERT_TRUE(m_client.WriteSet({m_docs}, m_target, [](CSettings& s) {
      s.m_bAutoBackup = 1;
      s.m_nBackupMode = kRealTimeMode;
    }));
    ASSERT_NE(m_client.StartAndWaitForDialog(), nullptr) << m_client.Output();
    ASSERT_TRUE(m_client.Program().WaitForOutputCount(kTraceStarted, 1)) << m_client.Output();
  }

  void TearDown() override {
    DialogStory::TearDown();
    m_client.Program().Process().Kill();
    if (!m_root.empty()) RemoveTree(m_root);
  }

  bool MakeOldTree() {
    for (const String& folder : {m_root, m_docs, m_docs + L"\\Old", m_docs + L"\\Old\\deep"})
      ::CreateDirectoryW(folder.c_str(), nullptr);
    return WriteFileBytes(m_docs + L"\\Old\\deep\\f.txt", "old tree");
  }

  String Source(const String& name) const { return m_docs + L"\\" + name; }
  String Copy(const String& name) const { return m_target + L"\\Docs\\" + name; }
  bool WaitForCopy(const String& name, const std::string& content) {
    return m_client.Program().Process().WaitUntil(
        [&] { return HasContent(Copy(name), content); }, kCopyTimeoutMs);
  }

  static int s_round;
  String m_root;
  String m_docs;
  String m_target;
};

int RealTime::s_round = 0;

TEST_F(RealTime, WrittenFilesArriveAfterTheirWritesSettleAndOldVersionsGoToHistory) {
  // Ten writes within two seconds: one record, copied once, as the last write left it.
  for (int i = 0; i < 10; ++i) {
    ASSERT_TRUE(WriteFileBytes(Source(L"burst.txt"), "version " + std::to_string(i)));
    ::Sleep(200);
  }
  ::Sleep(kSettleMs);
  EXPECT_FALSE(PathIsFile(Copy(L"burst.txt"))) << "copied before its writes settled";
  ASSERT_TRUE(WaitForCopy(L"burst.txt", "version 9")) << m_client.Output();
  EXPECT_EQ(CountFiles(m_target + L"\\Docs\\_VLHistory"), 0u);

  // A change of a file the target holds: the old copy is kept, the new one takes its place.
  ASSERT_TRUE(WriteFileBytes(Source(L"burst.txt"), "changed"));
  ASSERT_TRUE(WaitForCopy(L"burst.txt", "changed")) << m_client.Output();
  EXPECT_EQ(CountFiles(m_target + L"\\Docs\\_VLHistory"), 1u);

  // A new file in a new sub-folder, and one in a folder that existed before the watch.
  ASSERT_TRUE(::CreateDirectoryW(Source(L"New").c_str(), nullptr));
  ASSERT_TRUE(::CreateDirectoryW(Source(L"New\\Sub").c_str(), nullptr));
  ASSERT_TRUE(WriteFileBytes(Source(L"New\\Sub\\n.txt"), "nested"));
  ASSERT_TRUE(WriteFileBytes(Source(L"Old\\deep\\f.txt"), "old tree, changed"));
  EXPECT_TRUE(WaitForCopy(L"New\\Sub\\n.txt", "nested")) << m_client.Output();
  EXPECT_TRUE(WaitForCopy(L"Old\\deep\\f.txt", "old tree, changed")) << m_client.Output();
}

TEST_F(RealTime, OfficeLockFilesThumbnailsAndTheTargetsOwnChangesAreLeftAlone) {
  ASSERT_TRUE(WriteFileBytes(Source(L"~$report.docx"), "lock"));
  ASSERT_TRUE(WriteFileBytes(Source(L"Thumbs.db"), "thumbs"));
  ASSERT_TRUE(WriteFileBytes(m_target + L"\\own.txt", "written in the target"));
  ASSERT_TRUE(WriteFileBytes(Source(L"marker.txt"), "after them"));
  ASSERT_TRUE(WaitForCopy(L"marker.txt", "after them")) << m_client.Output();
  ::Sleep(1000);  // a pass or two more for anything queued beside the marker
  EXPECT_FALSE(PathIsFile(Copy(L"~$report.docx")));
  EXPECT_FALSE(PathIsFile(Copy(L"Thumbs.db")));
  EXPECT_EQ(m_client.CountTrace(L"own.txt"), 0u) << m_client.Output();
}

TEST_F(RealTime, ARenamedFolderIsCopiedUnderItsNewNameAndTheOldStays) {
  ASSERT_TRUE(WriteFileBytes(Source(L"Old\\deep\\f.txt"), "before the rename"));
  ASSERT_TRUE(WaitForCopy(L"Old\\deep\\f.txt", "before the rename")) << m_client.Output();
  ASSERT_TRUE(::MoveFileW(Source(L"Old").c_str(), Source(L"Renamed").c_str()));
  EXPECT_TRUE(WaitForCopy(L"Renamed\\deep\\f.txt", "before the rename")) << m_client.Output();
  EXPECT_TRUE(HasContent(Copy(L"Old\\deep\\f.txt"), "before the rename"));
}

// The settings switch real time at once: off asks nothing, on offers a run of everything, and
// the watchers copy again afterwards.
TEST_F(RealTime, TheSettingsSwitchItOffAndOnAtOnce) {
  // The frame's question stands on its own, as its other boxes do: nothing behind it.
  ASSERT_TRUE(m_client.Click(IDC_BACKUP_CLOSE));
  const auto chooseMode = [&](int radio) {
    HWND dialog = m_client.OpenFromTrayMenu('S', IDC_SETTINGS_AUTO_BACKUP);
    ASSERT_NE(dialog, nullptr) << m_client.Output();
    ASSERT_TRUE(ClickCentreOf(::GetDlgItem(dialog, radio)));
    ASSERT_TRUE(ClickCentreOf(::GetDlgItem(dialog, IDOK)));
  };
  ASSERT_NO_FATAL_FAILURE(chooseMode(IDC_SETTINGS_IDLE));
  EXPECT_TRUE(m_client.Program().WaitForOutputCount(kTraceStopped, 1)) << m_client.Output();
  EXPECT_TRUE(m_client.NoBoxWithin()) << "switching real time off asks nothing";

  ASSERT_NO_FATAL_FAILURE(chooseMode(IDC_SETTINGS_REAL_TIME));
  ASSERT_TRUE(m_client.Answer(kTextBackUpNowRealTime, IDYES)) << m_client.Output();
  EXPECT_TRUE(m_client.Program().WaitForOutputCount(kTraceStarted, 2)) << m_client.Output();
  ASSERT_TRUE(m_client.WaitForRunDone(DONE_OK)) << m_client.Output();
  EXPECT_TRUE(HasContent(Copy(L"Old\\deep\\f.txt"), "old tree"));
  // Under Wine the new watch sees Docs only once the warm-up after the restart has opened it.
  ::Sleep(kSettleMs);
  ASSERT_TRUE(WriteFileBytes(Source(L"after.txt"), "watched again"));
  EXPECT_TRUE(WaitForCopy(L"after.txt", "watched again")) << m_client.Output();
}

TEST_F(RealTime, ClosingTheClientEndsItsWatchersPromptly) {
  HWND frame = ::FindWindowW(nullptr, kFrameCaption);
  ASSERT_NE(frame, nullptr);
  ASSERT_TRUE(::PostMessageW(frame, WM_CLOSE, 0, 0));
  // A watcher that never ended would keep the client from ever exiting.
  ASSERT_TRUE(m_client.Program().Process().WaitForExit(10000)) << m_client.Output();
  EXPECT_TRUE(m_client.Program().Process().HasOutput(kTraceStopped));
}

}  // namespace
}  // namespace vl::test
