// Backup runs on real files: what arrives on the target, history, overwrite, read-only and
// locked files, synchronizing, cancelling, and the worker thread.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "client/engine/PartialCopy.h"
#include "tests/win32engine/RealRunFixture.h"
#include "win32/handles/FileHandle.h"

namespace vl::test {
namespace {

class RealRunTest : public RealRunFixture {
 protected:
  // Source\Data with a text file, a binary in a subfolder, an empty folder and a history
  // folder that must never be copied.
  void MakeData() {
    MakeFolder(data);
    MakeFile(data + L"\\a.txt", "first version", kOld);
    MakeFolder(data + L"\\sub");
    std::string binary(100'000, '\0');
    for (size_t i = 0; i < binary.size(); ++i) binary[i] = static_cast<char>(i * 7 + i / 251);
    MakeFile(data + L"\\sub\\b.bin", binary, kOld + 2);
    MakeFolder(data + L"\\empty");
    MakeFolder(data + L"\\_VLHistory");
    MakeFile(data + L"\\_VLHistory\\a_VL20140101000000.txt", "ancient", kOld);
    AddItem(data);
  }

  const String data = source + L"\\Data";
  const String copy = target + L"\\Data";
};

TEST_F(RealRunTest, AFirstRunCopiesEverythingAndTheTreesMatch) {
  MakeData();
  EXPECT_EQ(Run(), DONE_OK);
  EXPECT_TRUE(Errors().empty());
  EXPECT_EQ(TreeText(copy), TreeText(data, L"_VLHistory"));
  EXPECT_FALSE(PathIsFolder(copy + L"\\_VLHistory"));
  EXPECT_EQ(Stats().createdFolders, 3);
  EXPECT_EQ(Stats().copiedNew, 2);
  EXPECT_EQ(Stats().doneBytes, Stats().totalBytes);
  EXPECT_EQ(Stats().totalBytes, 100'013);
  EXPECT_EQ(view.percents.back(), 100) << "also where the copy reports no progress";
}

TEST_F(RealRunTest, AnUnchangedRerunDoesNothing) {
  MakeData();
  ASSERT_EQ(Run(), DONE_OK);
  EXPECT_EQ(Run(), DONE_NOTHING);
  EXPECT_EQ(Stats().copiedNew + Stats().copiedChanged + Stats().errorCount, 0);
}

TEST_F(RealRunTest, AChangedFileMovesItsOldVersionToHistory) {
  MakeData();
  ASSERT_EQ(Run(), DONE_OK);
  MakeFile(data + L"\\a.txt", "second version", kNew);
  EXPECT_EQ(Run(), DONE_OK);
  EXPECT_EQ(Stats().copiedChanged, 1);
  EXPECT_EQ(FileText(copy + L"\\a.txt"), "second version");
  EXPECT_EQ(FileText(copy + L"\\_VLHistory\\a_VL20140305090702.txt"), "first version");
  EXPECT_EQ(TreeText(copy, L"_VLHistory"), TreeText(data, L"_VLHistory"));
}

TEST_F(RealRunTest, OverwriteModeKeepsNoHistory) {
  MakeData();
  ASSERT_EQ(Run(), DONE_OK);
  MakeFile(data + L"\\a.txt", "second version", kNew);
  settings.historyMode = 1;
  EXPECT_EQ(Run(), DONE_OK);
  EXPECT_EQ(FileText(copy + L"\\a.txt"), "second version");
  EXPECT_FALSE(PathIsFolder(copy + L"\\_VLHistory"));
}

TEST_F(RealRunTest, AReadOnlyOldTargetIsReplacedAndItsHistoryCopyIsWritable) {
  MakeData();
  ASSERT_EQ(Run(), DONE_OK);
  SetReadOnly(copy + L"\\a.txt", true);
  MakeFile(data + L"\\a.txt", "second version", kNew);
  EXPECT_EQ(Run(), DONE_OK);
  EXPECT_TRUE(Errors().empty());
  EXPECT_EQ(FileText(copy + L"\\a.txt"), "second version");
  const String history = copy + L"\\_VLHistory\\a_VL20140305090702.txt";
  EXPECT_EQ(FileText(history), "first version");
  EXPECT_FALSE(IsReadOnly(history));
}

TEST_F(RealRunTest, AReadOnlySourceGivesAReadOnlyCopy) {
  MakeFolder(data);
  MakeFile(data + L"\\ro.txt", "fixed", kOld);
  SetReadOnly(data + L"\\ro.txt", true);
  AddItem(data);
  EXPECT_EQ(Run(), DONE_OK);
  EXPECT_TRUE(IsReadOnly(copy + L"\\ro.txt"));
  SetReadOnly(data + L"\\ro.txt", false);
}

TEST_F(RealRunTest, ALockedSourceIsOneErrorAndTheRunGoesOn) {
  MakeData();
  win32::FileHandle lock;
  ASSERT_TRUE(lock.Open(data + L"\\sub\\b.bin", GENERIC_READ, 0, OPEN_EXISTING));
  EXPECT_EQ(Run(), DONE_OK);
  EXPECT_EQ(Errors(),
            (std::vector<ErrorRecord>{Error(data + L"\\sub\\b.bin", IDS_ERROR_COPY)}));
  EXPECT_EQ(FileText(copy + L"\\a.txt"), "first version");
  EXPECT_FALSE(PathIsFile(copy + L"\\sub\\b.bin"));
  EXPECT_EQ(Stats().doneBytes, Stats().totalBytes);
}

TEST_F(RealRunTest, ATargetThatAppearsAfterTheAnalysisIsNotReplaced) {
  MakeFolder(data);
  MakeFile(data + L"\\a.txt", "mine", kOld);
  AddItem(data);
  // Just before the new version is written under its partial name.
  fs.beforeCopy = [this](const String& to) {
    if (to == PartialCopyPath(copy + L"\\a.txt")) MakeFile(copy + L"\\a.txt", "theirs", kOld);
  };
  EXPECT_EQ(Run(), DONE_OK);
  EXPECT_EQ(Errors(), (std::vector<ErrorRecord>{Error(data + L"\\a.txt", IDS_ERROR_COPY)}));
  EXPECT_EQ(FileText(copy + L"\\a.txt"), "theirs");
  EXPECT_FALSE(PathIsFile(PartialCopyPath(copy + L"\\a.txt")));
}

TEST_F(RealRunTest, ASynchronizingRunDeletesWhatTheSourceNoLongerHas) {
  MakeData();
  ASSERT_EQ(Run(), DONE_OK);
  MakeFile(data + L"\\a.txt", "second version", kNew);
  ASSERT_EQ(Run(), DONE_OK);
  ASSERT_TRUE(PathIsFolder(copy + L"\\_VLHistory"));
  MakeFile(copy + L"\\extra.txt", "only here", kOld);
  MakeFolder(copy + L"\\Old");
  MakeFile(copy + L"\\Old\\x.txt", "only here too", kOld);
  // A source history folder would be the target's counterpart and keep it.
  ASSERT_TRUE(RemoveTree(data + L"\\_VLHistory"));
  engine.State().synchronize = true;

  EXPECT_EQ(Run(), DONE_OK);
  EXPECT_EQ(Stats().deletedFiles, 1);
  EXPECT_EQ(Stats().deletedFolders, 2);
  EXPECT_TRUE(Errors().empty());
  EXPECT_EQ(TreeText(copy), TreeText(data, L"_VLHistory"));
}

TEST_F(RealRunTest, AReadOnlyFileBlocksTheDeletionOfItsFolder) {
  MakeData();
  MakeFolder(copy);
  MakeFolder(copy + L"\\Old");
  MakeFile(copy + L"\\Old\\keep.txt", "read-only", kOld);
  SetReadOnly(copy + L"\\Old\\keep.txt", true);
  engine.State().synchronize = true;

  EXPECT_EQ(Run(), DONE_OK);
  EXPECT_EQ(Errors(),
            (std::vector<ErrorRecord>{Error(data + L"\\Old", IDS_ERROR_DELETE_FOLDER)}));
  EXPECT_TRUE(PathIsFile(copy + L"\\Old\\keep.txt"));
  EXPECT_EQ(Stats().deletedFolders, 0);
  SetReadOnly(copy + L"\\Old\\keep.txt", false);
}

// Whether the copy calls its progress routine here.
bool CopyReportsProgress(const TempFolder& temp) {
  MakeFile(temp / L"probe.bin", std::string(256 * 1024, 'p'), kOld);
  platform::FileSystemWin32 fs;
  int calls = 0;
  fs.CopyIntoPlace(temp / L"probe.bin", temp / L"probe.part", temp / L"probe-copy.bin",
                   [&calls](const CopyProgressInfo&) { return ++calls > 0; }, nullptr);
  return calls > 0;
}

TEST_F(RealRunTest, CancelDuringALargeCopyStopsItOrAtTheLatestTheNextFile) {
  const bool reportsProgress = CopyReportsProgress(temp);
  MakeFolder(source + L"\\Big");
  MakeFile(source + L"\\Big\\big.bin", std::string(32 * 1024 * 1024, 'b'), kOld);
  MakeFolder(source + L"\\Next");
  MakeFile(source + L"\\Next\\small.txt", "small", kOld);
  AddItem(source + L"\\Big");
  AddItem(source + L"\\Next");
  view.onStatus = [this](const String& status) {
    if (status.rfind(L"Backup: big.bin", 0) == 0) runner.RequestCancel();
  };

  EXPECT_EQ(Run(), DONE_CANCELLED);
  EXPECT_FALSE(PathIsFolder(target + L"\\Next")) << "nothing after the cancel";
  if (reportsProgress) {
    EXPECT_EQ(Errors(), (std::vector<ErrorRecord>{
                            Error(source + L"\\Big\\big.bin", IDS_ERROR_COPY)}));
    EXPECT_FALSE(PathIsFile(target + L"\\Big\\big.bin"));
  } else {
    EXPECT_TRUE(Errors().empty());
    EXPECT_TRUE(PathIsFile(target + L"\\Big\\big.bin"));
  }
}

TEST_F(RealRunTest, AWorkerRunCanBePausedAndResumed) {
  MakeData();
  runner.Pause();
  ASSERT_TRUE(runner.Start(settings));
  bool held = false;
  for (int i = 0; i < 500 && !held; ++i) {
    held = engine.State().pause.WaitingCount() >= 1;
    if (!held) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  EXPECT_TRUE(held);
  EXPECT_TRUE(runner.IsActive());
  EXPECT_FALSE(PathIsFolder(copy));
  runner.Resume();
  runner.Wait();
  EXPECT_FALSE(runner.IsActive());
  EXPECT_EQ(observer.codes, std::vector<RunCompletion>{DONE_OK});
  EXPECT_EQ(TreeText(copy), TreeText(data, L"_VLHistory"));
}

}  // namespace
}  // namespace vl::test
