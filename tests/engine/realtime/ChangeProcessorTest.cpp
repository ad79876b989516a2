// Applying queued changes to the backup target: where a change lands, when a target counts as
// current, the tree copy of a rename, and whole passes on the fake file system.
#include "client/engine/realtime/ChangeProcessor.h"

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <thread>

#include "client/engine/PartialCopy.h"
#include "client/engine/SafeReplace.h"
#include "client/engine/SameFile.h"
#include "client/engine/realtime/ChangeQueue.h"
#include "client/engine/realtime/CopyTree.h"
#include "client/engine/realtime/Ownership.h"
#include "client/engine/realtime/TargetCurrent.h"
#include "client/engine/realtime/TargetMapping.h"
#include "tests/engine/realtime/RealTimeFakes.h"
#include "tests/support/FakeClock.h"
#include "tests/support/FakeFileSystem.h"

namespace vl::test {
namespace {

constexpr int64_t kOld = 1'394'000'000;
constexpr int64_t kNew = kOld + 3600;
constexpr Char kSource[] = VLT("C:\\Data\\q1.xls");
constexpr Char kTarget[] = VLT("T:\\B\\Data\\q1.xls");
constexpr Char kHistoryCopy[] = VLT("T:\\B\\Data\\_VLHistory\\q1_VL20140305090702.xls");

class RealTimeTest : public ::testing::Test {
 protected:
  RealTimeTest() {
    fs.AddVolume(VLT("C:\\"), 0xC0C0, VLT("NTFS"));
    fs.AddVolume(VLT("D:\\"), 0xD0D0, VLT("NTFS"));
    fs.AddVolume(VLT("T:\\"), 0x7070, VLT("NTFS"));
    fs.AddVolume(VLT("F:\\"), 0xF0F0, VLT("FAT32"));
    fs.AddFolder(VLT("C:\\Data"));
    clock.now = LocalTime{2014, 3, 5, 9, 7, 2};
    scope.itemPaths = {VLT("C:\\Data")};
    scope.backupPath = VLT("T:\\B");
    processor.SetScope(scope);
  }

  // Queues an event as the change-event handler does, then lets it settle.
  void Queue(const Char* action, const String& source, const String& destination = String()) {
    auto event = MakeEvent(action, source, destination);
    queue.Accept(*event, VLT("T:\\B"));
    ticks.now += kChangeSettleMs;
  }
  void SetHistoryMode(int32_t mode) {
    scope.historyMode = mode;
    processor.SetScope(scope);
  }
  std::vector<String> Waiting() const {
    std::vector<String> paths;
    for (const CHANGE_RECORD& record : queue.Records())
      paths.push_back(GetChangeText(record.event.sourcePath));
    return paths;
  }
  bool Traced(const String& line) const {
    return std::find(trace.lines.begin(), trace.lines.end(), line) != trace.lines.end();
  }
  bool TracedContaining(const String& part) const {
    for (const String& line : trace.lines)
      if (line.find(part) != String::npos) return true;
    return false;
  }

  FakeFileSystem fs;
  FakeClock clock;
  FakeTicks ticks;
  FakeLongNames longNames;
  RecordingTrace trace;
  CChangeQueue queue{longNames, ticks};
  CChangeProcessor processor{fs, clock, ticks, queue, &trace};
  RealTimeScope scope;
  VolumeNameCache volumes{fs};
};

// --- where a change lands ---

TEST_F(RealTimeTest, MappingCreatesEveryFolderLevelBetweenItemAndChange) {
  fs.AddFile(VLT("C:\\Data\\new\\sub\\f.txt"), 1, kNew);
  EXPECT_EQ(MapChangeToTarget(fs, scope, VLT("C:\\Data\\new\\sub\\f.txt")),
            VLT("T:\\B\\Data\\new\\sub\\f.txt"));
  for (const Char* folder : {VLT("T:\\B"), VLT("T:\\B\\Data"), VLT("T:\\B\\Data\\new"),
                             VLT("T:\\B\\Data\\new\\sub")}) {
    FileStatus status;
    ASSERT_TRUE(fs.GetStatus(folder, status)) << "missing level";
    EXPECT_TRUE(status.IsFolder());
  }
  EXPECT_FALSE(fs.Exists(VLT("T:\\B\\Data\\new\\sub\\f.txt"))) << "the change itself is not made";
}

TEST_F(RealTimeTest, MappingFollowsTheItemAndTheTargetsForm) {
  fs.AddFolder(VLT("C:\\Data\\a"));
  fs.AddFile(VLT("C:\\Single.txt"), 1, kOld);
  struct Case {
    std::vector<String> items;
    const Char* backupPath;
    const Char* path;
    const Char* expected;
  };
  const Case cases[] = {
      {{VLT("C:\\Data")}, VLT("T:\\B"), VLT("C:\\Data\\a\\x.txt"), VLT("T:\\B\\Data\\a\\x.txt")},
      {{VLT("C:\\Data")}, VLT("T:\\"), VLT("C:\\Data\\a\\x.txt"), VLT("T:\\Data\\a\\x.txt")},
      {{VLT("C:\\Data")}, VLT("T:\\B"), VLT("c:\\DATA\\a\\x.txt"), VLT("T:\\B\\Data\\a\\x.txt")},
      {{VLT("C:\\Data")}, VLT("T:\\B"), VLT("C:\\Data"), VLT("T:\\B\\Data")},
      {{VLT("D:\\")}, VLT("T:\\B"), VLT("D:\\x\\y.txt"), VLT("T:\\B\\x\\y.txt")},
      {{VLT("C:\\Data")}, VLT("T:\\B"), VLT("C:\\Data\\_VLHistory"), VLT("")},
      {{VLT("C:\\Data")}, VLT("T:\\B"), VLT("C:\\Data\\a\\_vlhistory"), VLT("")},
      {{VLT("C:\\Data")}, VLT("T:\\B"), VLT("C:\\Data2\\x.txt"), VLT("")},
      {{VLT("C:\\Single.txt"), VLT("C:\\Data")}, VLT("T:\\B"), VLT("C:\\Single.txt"), VLT("")},
      {{VLT("C:\\Data")}, VLT(""), VLT("C:\\Data\\a\\x.txt"), VLT("")},
  };
  for (const Case& c : cases) {
    RealTimeScope caseScope;
    caseScope.itemPaths = c.items;
    caseScope.backupPath = c.backupPath;
    EXPECT_EQ(MapChangeToTarget(fs, caseScope, c.path), c.expected) << "case " << (&c - cases);
  }
}

// --- when a target is current ---

TEST_F(RealTimeTest, TargetCurrentRulesApplyInTheirOrder) {
  struct Case {
    const Char* target;  // its volume decides the file-system name
    int64_t targetWrite;
    int64_t targetAccess;
    bool expected;
  };
  const int64_t s = kOld;  // the source's last-write time
  const Case cases[] = {
      {VLT("T:\\t.txt"), s, s + 50, true},        // same file system, same time
      {VLT("T:\\t.txt"), s + 1, s + 50, false},   // same file system, another time
      {VLT("T:\\t.txt"), s + 30, s + 30, true},   // untouched and later: first rule
      {VLT("T:\\t.txt"), s - 30, s - 30, false},  // untouched but older
      {VLT("T:\\t.txt"), s, s, true},             // untouched, equal: the second rule
      {VLT("F:\\t.txt"), s + 3600, s + 4000, true},  // another file system, whole hour
      {VLT("F:\\t.txt"), s + 2, s + 50, true},
      {VLT("F:\\t.txt"), s - 62, s + 50, true},
      {VLT("F:\\t.txt"), s + 3, s + 50, false},
      {VLT("F:\\t.txt"), s + 30, s + 30, true},  // untouched and later
  };
  fs.AddFile(VLT("C:\\s.txt"), 1, s);
  fs.SetRawTimes(VLT("C:\\s.txt"), FakeTimes{s, s + 99, s});
  for (const Case& c : cases) {
    fs.AddFile(c.target, 1, c.targetWrite);
    fs.SetRawTimes(c.target, FakeTimes{c.targetWrite, c.targetAccess, c.targetWrite});
    EXPECT_EQ(IsTargetCurrent(fs, volumes, VLT("C:\\s.txt"), c.target), c.expected)
        << "case " << (&c - cases);
  }
  EXPECT_FALSE(IsTargetCurrent(fs, volumes, VLT("C:\\s.txt"), VLT("T:\\none.txt")));
  EXPECT_FALSE(IsTargetCurrent(fs, volumes, VLT("C:\\none.txt"), VLT("T:\\t.txt")));
}

// --- whose file it is ---

TEST_F(RealTimeTest, OwnershipWaitsForHeldFilesAndFreesReadOnlyOnes) {
  fs.AddFile(VLT("C:\\Data\\free.txt"), 1, kOld);
  fs.AddFile(VLT("C:\\Data\\held.txt"), 1, kOld);
  fs.SetLocked(VLT("C:\\Data\\held.txt"), true);
  fs.AddFile(VLT("C:\\Data\\ro.txt"), 1, kOld);
  fs.SetRawAttributes(VLT("C:\\Data\\ro.txt"), kAttrReadOnly | kAttrArchive);
  fs.AddFile(VLT("C:\\Data\\stuck.txt"), 1, kOld);
  fs.SetRawAttributes(VLT("C:\\Data\\stuck.txt"), kAttrReadOnly);
  fs.InjectFailure(FakeOp::SetAttributes, VLT("C:\\Data\\stuck.txt"), kSysAccessDenied);
  EXPECT_EQ(CheckOwnership(fs, VLT("C:\\Data\\free.txt")), OWNERSHIP_FREE);
  EXPECT_EQ(CheckOwnership(fs, VLT("C:\\Data\\held.txt")), OWNERSHIP_HELD);
  EXPECT_EQ(CheckOwnership(fs, VLT("C:\\Data\\ro.txt")), OWNERSHIP_FREE);
  FileStatus ro;
  ASSERT_TRUE(fs.GetStatus(VLT("C:\\Data\\ro.txt"), ro));
  EXPECT_EQ(ro.attributes, uint32_t{kAttrArchive});
  EXPECT_EQ(CheckOwnership(fs, VLT("C:\\Data\\stuck.txt")), OWNERSHIP_READ_ONLY);
  EXPECT_EQ(CheckOwnership(fs, VLT("C:\\Data\\none.txt")), OWNERSHIP_MISSING);
  EXPECT_EQ(CheckOwnership(fs, VLT("C:\\Data")), OWNERSHIP_FREE);
}

// --- the tree copy of a rename ---

TEST_F(RealTimeTest, CopyTreeKeepsHistoryOfReplacedFilesButNotInsideHistoryFolders) {
  fs.AddFileWithContent(VLT("T:\\B\\Old\\a.txt"), "a new", kNew);
  fs.AddFileWithContent(VLT("T:\\B\\Old\\sub\\b.txt"), "b", kOld);
  fs.AddFileWithContent(VLT("T:\\B\\Old\\_VLHistory\\a_VL2013.txt"), "a history", kOld);
  fs.AddFileWithContent(VLT("T:\\B\\New\\a.txt"), "a old", kOld);
  fs.SetRawTimes(VLT("T:\\B\\New\\a.txt"), FakeTimes{kOld, kOld + 5, kOld});
  fs.AddFileWithContent(VLT("T:\\B\\New\\_VLHistory\\a_VL2013.txt"), "other", kNew + 99);
  const RealTimeCopier copier{fs, clock, volumes, HISTORY_MODE_ARCHIVE};
  ASSERT_TRUE(CopyTree(copier, VLT("T:\\B\\Old"), VLT("T:\\B\\New\\"), false));
  EXPECT_EQ(fs.Content(VLT("T:\\B\\New\\a.txt")), "a new");
  EXPECT_EQ(fs.Content(VLT("T:\\B\\New\\_VLHistory\\a_VL20140305090702.txt")), "a old");
  EXPECT_EQ(fs.Content(VLT("T:\\B\\New\\sub\\b.txt")), "b");
  EXPECT_EQ(fs.Content(VLT("T:\\B\\New\\_VLHistory\\a_VL2013.txt")), "a history")
      << "copied over although the target looked newer";
  EXPECT_FALSE(fs.Exists(VLT("T:\\B\\New\\_VLHistory\\_VLHistory")));
  EXPECT_TRUE(fs.Exists(VLT("T:\\B\\Old\\a.txt")));
  EXPECT_FALSE(CopyTree(copier, VLT("T:\\B\\None"), VLT("T:\\B\\New2"), false));
}

TEST_F(RealTimeTest, CopyTreeLeavesCurrentFilesAndFailsOnTheFirstFailure) {
  fs.AddFileWithContent(VLT("T:\\B\\Old\\a.txt"), "same", kOld);
  fs.AddFileWithContent(VLT("T:\\B\\Old\\b.txt"), "b", kOld);
  fs.AddFileWithContent(VLT("T:\\B\\New\\a.txt"), "kept", kOld);
  fs.SetRawTimes(VLT("T:\\B\\New\\a.txt"), FakeTimes{kOld, kOld + 5, kOld});
  fs.InjectFailure(FakeOp::Copy, VLT("T:\\B\\Old\\b.txt"), kSysDiskFull);
  const RealTimeCopier copier{fs, clock, volumes, HISTORY_MODE_ARCHIVE};
  EXPECT_FALSE(CopyTree(copier, VLT("T:\\B\\Old"), VLT("T:\\B\\New"), false));
  EXPECT_EQ(fs.Content(VLT("T:\\B\\New\\a.txt")), "kept");
  EXPECT_FALSE(fs.Exists(VLT("T:\\B\\New\\_VLHistory")));
}

// --- passes: created and written files ---

TEST_F(RealTimeTest, AChangeWaitsThreeSecondsAfterItsLastReport) {
  fs.AddFileWithContent(kSource, "v1", kNew);
  auto event = MakeEvent(CHANGE_ACTION_CREATE_WRITE, kSource);
  queue.Accept(*event, VLT("T:\\B"));
  ticks.now += kChangeSettleMs - 1;
  processor.ProcessChanges();
  EXPECT_FALSE(fs.Exists(kTarget));
  EXPECT_EQ(queue.Count(), 1u);
  ticks.now += 1;
  processor.ProcessChanges();
  EXPECT_EQ(fs.Content(kTarget), "v1");
  EXPECT_TRUE(queue.IsEmpty());
  EXPECT_EQ(trace.lines.front(), VLT("[VAULTLINE]Enter Critical Section on Process"));
  EXPECT_EQ(trace.lines.back(), VLT("[VAULTLINE]Leave Critical Section on Process"));
  EXPECT_TRUE(Traced(VLT("[VAULTLINE][ProcessCreate]C:\\Data\\q1.xls -> \n")));
}

TEST_F(RealTimeTest, ALockedFileIsRetriedUntilItIsFree) {
  fs.AddFileWithContent(kSource, "v1", kNew);
  fs.SetLocked(kSource, true);
  Queue(CHANGE_ACTION_CREATE_WRITE, kSource);
  for (int pass = 0; pass < 3; ++pass) {
    processor.ProcessChanges();
    EXPECT_EQ(queue.Count(), 1u);
  }
  EXPECT_FALSE(fs.Exists(kTarget));
  fs.SetLocked(kSource, false);
  processor.ProcessChanges();
  EXPECT_EQ(fs.Content(kTarget), "v1");
  EXPECT_TRUE(queue.IsEmpty());
}

TEST_F(RealTimeTest, AReadOnlySourceLosesItsBitAndItsCopyIsWritable) {
  fs.AddFileWithContent(kSource, "v1", kNew);
  fs.SetRawAttributes(kSource, kAttrReadOnly | kAttrArchive);
  Queue(CHANGE_ACTION_CREATE_WRITE, kSource);
  processor.ProcessChanges();
  FileStatus source, target;
  ASSERT_TRUE(fs.GetStatus(kSource, source));
  ASSERT_TRUE(fs.GetStatus(kTarget, target));
  EXPECT_EQ(source.attributes & kAttrReadOnly, 0u);
  EXPECT_EQ(target.attributes & kAttrReadOnly, 0u);
  EXPECT_EQ(fs.Content(kTarget), "v1");
}

TEST_F(RealTimeTest, AChangedFileReplacesItsTargetKeepingOrDroppingTheOldVersion) {
  for (const int32_t mode : {HISTORY_MODE_ARCHIVE, HISTORY_MODE_OVERWRITE}) {
    FakeFileSystem& f = fs;
    f.AddFileWithContent(kSource, "new version", kNew);
    f.AddFileWithContent(kTarget, "old", kOld);
    f.SetRawTimes(kTarget, FakeTimes{kOld, kOld + 5, kOld});
    SetHistoryMode(mode);
    Queue(CHANGE_ACTION_CREATE_WRITE, kSource);
    processor.ProcessChanges();
    EXPECT_EQ(f.Content(kTarget), "new version") << mode;
    EXPECT_TRUE(queue.IsEmpty());
    if (mode == HISTORY_MODE_ARCHIVE) {
      EXPECT_EQ(f.Content(kHistoryCopy), "old");
      f.RemoveFile(kHistoryCopy);
      f.RemoveFolder(VLT("T:\\B\\Data\\_VLHistory"));
    } else {
      EXPECT_FALSE(f.Exists(VLT("T:\\B\\Data\\_VLHistory")));
    }
    EXPECT_FALSE(f.Exists(PartialCopyPath(kTarget)));
    EXPECT_FALSE(f.Exists(SetAsidePath(kTarget)));
  }
}

TEST_F(RealTimeTest, ACurrentTargetIsLeftAlone) {
  fs.AddFileWithContent(kSource, "source", kOld);
  fs.AddFileWithContent(kTarget, "target", kOld);
  fs.SetRawTimes(kTarget, FakeTimes{kOld, kOld + 5, kOld});
  Queue(CHANGE_ACTION_CREATE_WRITE, kSource);
  processor.ProcessChanges();
  EXPECT_EQ(fs.Content(kTarget), "target");
  EXPECT_TRUE(queue.IsEmpty());
}

TEST_F(RealTimeTest, AFailedReplacementLeavesTheOldTargetAndIsRetried) {
  struct Case {
    FakeOp op;
    String path;
    int32_t mode;
  };
  const Case cases[] = {
      {FakeOp::Copy, kSource, HISTORY_MODE_ARCHIVE},
      {FakeOp::Move, PartialCopyPath(kTarget), HISTORY_MODE_ARCHIVE},
      {FakeOp::Move, PartialCopyPath(kTarget), HISTORY_MODE_OVERWRITE},
      {FakeOp::CreateFolder, VLT("T:\\B\\Data\\_VLHistory"), HISTORY_MODE_ARCHIVE},
  };
  for (const Case& c : cases) {
    FakeFileSystem f;
    f.AddVolume(VLT("C:\\"), 1, VLT("NTFS"));
    f.AddVolume(VLT("T:\\"), 2, VLT("NTFS"));
    f.AddFileWithContent(kSource, "new", kNew);
    f.AddFileWithContent(kTarget, "old", kOld);
    f.SetRawAttributes(kTarget, kAttrReadOnly | kAttrArchive);
    f.InjectFailure(c.op, c.path, kSysDiskFull);
    CChangeQueue q(longNames, ticks);
    CChangeProcessor p(f, clock, ticks, q, nullptr);
    scope.historyMode = c.mode;
    p.SetScope(scope);
    auto event = MakeEvent(CHANGE_ACTION_CREATE_WRITE, kSource);
    q.Accept(*event, String());
    ticks.now += kChangeSettleMs;
    p.ProcessChanges();
    EXPECT_EQ(f.Content(kTarget), "old") << "case " << (&c - cases);
    FileStatus old;
    ASSERT_TRUE(f.GetStatus(kTarget, old));
    EXPECT_EQ(old.attributes, uint32_t{kAttrReadOnly | kAttrArchive});
    EXPECT_FALSE(f.Exists(PartialCopyPath(kTarget)));
    EXPECT_FALSE(f.Exists(SetAsidePath(kTarget)));
    EXPECT_FALSE(f.Exists(kHistoryCopy));
    EXPECT_EQ(q.Count(), 1u) << "retried on the next pass";
  }
}

TEST_F(RealTimeTest, FoldersDeletionsAndSkippedNames) {
  fs.AddFolder(VLT("C:\\Data\\New Folder"));
  fs.AddFileWithContent(VLT("C:\\Data\\Thumbs.db"), "thumbs", kNew);
  fs.AddFileWithContent(VLT("C:\\Data\\gone.txt"), "source", kNew);
  fs.AddFileWithContent(VLT("T:\\B\\Data\\gone.txt"), "kept", kOld);
  Queue(CHANGE_ACTION_CREATE_WRITE, VLT("C:\\Data\\New Folder"));
  Queue(CHANGE_ACTION_CREATE_WRITE, VLT("C:\\Data\\Thumbs.db"));
  Queue(CHANGE_ACTION_DELETE, VLT("C:\\Data\\gone.txt"));
  Queue(CHANGE_ACTION_CREATE_WRITE, VLT("C:\\Data\\vanished.txt"));
  Queue(VLT("create write"), VLT("C:\\Data\\gone.txt"));
  processor.ProcessChanges();
  FileStatus folder;
  ASSERT_TRUE(fs.GetStatus(VLT("T:\\B\\Data\\New Folder"), folder));
  EXPECT_TRUE(folder.IsFolder());
  EXPECT_FALSE(fs.Exists(VLT("T:\\B\\Data\\Thumbs.db")));
  EXPECT_EQ(fs.Content(VLT("T:\\B\\Data\\gone.txt")), "kept");
  EXPECT_EQ(Waiting(), std::vector<String>{VLT("C:\\Data\\gone.txt")})
      << "only the unknown action stays";
}

TEST_F(RealTimeTest, ADeleteFollowedAtOnceByACreateIsCopied) {
  fs.AddFileWithContent(kSource, "saved", kNew);
  auto deleted = MakeEvent(CHANGE_ACTION_DELETE, kSource);
  queue.Accept(*deleted, VLT("T:\\B"));
  ticks.now += 300;
  Queue(CHANGE_ACTION_CREATE_WRITE, kSource);
  ASSERT_EQ(queue.Count(), 1u);
  processor.ProcessChanges();
  EXPECT_EQ(fs.Content(kTarget), "saved");
}

// --- passes: renames ---

TEST_F(RealTimeTest, ARenamedFolderIsCopiedToItsNewNameAndTheOldStays) {
  fs.AddFileWithContent(VLT("C:\\Data\\New\\x.txt"), "x", kOld);
  fs.AddFileWithContent(VLT("T:\\B\\Data\\Old\\x.txt"), "x", kOld);
  Queue(CHANGE_ACTION_RENAME, VLT("C:\\Data\\Old"), VLT("C:\\Data\\New"));
  processor.ProcessChanges();
  EXPECT_TRUE(queue.IsEmpty());
  EXPECT_EQ(fs.Content(VLT("T:\\B\\Data\\New\\x.txt")), "x");
  EXPECT_TRUE(fs.Exists(VLT("T:\\B\\Data\\Old\\x.txt")));
  EXPECT_TRUE(
      Traced(VLT("[VAULTLINE][ProcessRename]C:\\Data\\Old -> C:\\Data\\New(Ownership = -2, 1)\n")));
  EXPECT_TRUE(Traced(VLT("[VAULTLINE][ProcessRename]T:\\B\\Data\\Old -> T:\\B\\Data\\New\n")));
}

TEST_F(RealTimeTest, ARenameThatCanNeverBeDoneIsDroppedWithALine) {
  fs.AddFileWithContent(VLT("C:\\Data\\b.txt"), "b", kOld);
  Queue(CHANGE_ACTION_RENAME, VLT("C:\\Elsewhere\\a.txt"), VLT("C:\\Data\\b.txt"));
  processor.ProcessChanges();
  EXPECT_TRUE(queue.IsEmpty());
  EXPECT_TRUE(TracedContaining(VLT("Dropped, the old path is below no item: C:\\Elsewhere\\a.txt")));
}

// The old name never reached the target (renamed before it settled): the new name is taken
// from the source rather than retried for ever.
TEST_F(RealTimeTest, ARenameWithNoOldTargetCopiesTheNewSource) {
  fs.AddFileWithContent(VLT("C:\\Data\\b.txt"), "b", kOld);
  Queue(CHANGE_ACTION_RENAME, VLT("C:\\Data\\a.txt"), VLT("C:\\Data\\b.txt"));
  processor.ProcessChanges();
  EXPECT_TRUE(queue.IsEmpty());
  EXPECT_EQ(fs.Content(VLT("T:\\B\\Data\\b.txt")), "b");
}

TEST_F(RealTimeTest, ARenameOfAHeldFileWaits) {
  fs.AddFileWithContent(VLT("C:\\Data\\b.txt"), "b", kOld);
  fs.SetLocked(VLT("C:\\Data\\b.txt"), true);
  fs.AddFileWithContent(VLT("T:\\B\\Data\\a.txt"), "a", kOld);
  Queue(CHANGE_ACTION_RENAME, VLT("C:\\Data\\a.txt"), VLT("C:\\Data\\b.txt"));
  processor.ProcessChanges();
  EXPECT_EQ(queue.Count(), 1u);
  EXPECT_FALSE(fs.Exists(VLT("T:\\B\\Data\\b.txt")));
}

// --- passes: the lock, order, stopping and the scope ---

TEST_F(RealTimeTest, ChangesArriveWhileAPassCopiesAndQueueAfterWhatComesBack) {
  for (const Char* name : {VLT("C:\\Data\\a.txt"), VLT("C:\\Data\\b.txt"), VLT("C:\\Data\\c.txt")})
    fs.AddFileWithContent(name, "x", kNew);
  fs.SetLocked(VLT("C:\\Data\\a.txt"), true);
  fs.SetLocked(VLT("C:\\Data\\c.txt"), true);
  bool arrived = false;
  fs.beforeChange = [&](FakeOp op, const String&) {
    if (op != FakeOp::Copy || arrived) return;
    arrived = true;
    // From another thread, as the user-interface thread would; a pass holding the queue's lock
    // would keep it waiting.
    std::promise<void> accepted;
    std::future<void> done = accepted.get_future();
    std::thread([&]() {
      auto event = MakeEvent(CHANGE_ACTION_CREATE_WRITE, VLT("C:\\Data\\d.txt"));
      queue.Accept(*event, VLT("T:\\B"));
      accepted.set_value();
    }).detach();
    ASSERT_EQ(done.wait_for(std::chrono::seconds(5)), std::future_status::ready)
        << "the queue's lock was held during a copy";
  };
  Queue(CHANGE_ACTION_CREATE_WRITE, VLT("C:\\Data\\a.txt"));
  Queue(CHANGE_ACTION_CREATE_WRITE, VLT("C:\\Data\\b.txt"));
  Queue(CHANGE_ACTION_CREATE_WRITE, VLT("C:\\Data\\c.txt"));
  int pauses = 0;
  PassControl control;
  control.pause = [&] { ++pauses; };
  processor.ProcessChanges(control);
  ASSERT_TRUE(arrived);
  EXPECT_EQ(fs.Content(VLT("T:\\B\\Data\\b.txt")), "x");
  EXPECT_EQ(Waiting(), (std::vector<String>{VLT("C:\\Data\\a.txt"), VLT("C:\\Data\\c.txt"),
                                            VLT("C:\\Data\\d.txt")}));
  EXPECT_EQ(pauses, 2) << "between records";
}

TEST_F(RealTimeTest, APassStopsBetweenRecordsAndKeepsTheRest) {
  for (const Char* name : {VLT("C:\\Data\\a.txt"), VLT("C:\\Data\\b.txt"), VLT("C:\\Data\\c.txt")}) {
    fs.AddFileWithContent(name, "x", kNew);
    Queue(CHANGE_ACTION_CREATE_WRITE, name);
  }
  std::atomic<bool> stop{false};
  PassControl control;
  control.pause = [&] { stop = true; };  // the stop comes while the pass sleeps
  control.stopRequested = [&] { return stop.load(); };
  processor.ProcessChanges(control);
  EXPECT_TRUE(fs.Exists(VLT("T:\\B\\Data\\a.txt")));
  EXPECT_FALSE(fs.Exists(VLT("T:\\B\\Data\\b.txt")));
  EXPECT_EQ(Waiting(), (std::vector<String>{VLT("C:\\Data\\b.txt"), VLT("C:\\Data\\c.txt")}));
}

TEST_F(RealTimeTest, APassWorksOnTheScopeItTookAtItsStart) {
  fs.AddFileWithContent(VLT("C:\\Data\\a.txt"), "a", kNew);
  fs.AddFileWithContent(VLT("C:\\Data\\b.txt"), "b", kNew);
  Queue(CHANGE_ACTION_CREATE_WRITE, VLT("C:\\Data\\a.txt"));
  Queue(CHANGE_ACTION_CREATE_WRITE, VLT("C:\\Data\\b.txt"));
  fs.beforeChange = [&](FakeOp op, const String&) {
    if (op == FakeOp::Copy) processor.SetScope(RealTimeScope{});
  };
  processor.ProcessChanges();
  EXPECT_EQ(fs.Content(VLT("T:\\B\\Data\\b.txt")), "b");
  fs.beforeChange = nullptr;
  fs.AddFileWithContent(VLT("C:\\Data\\c.txt"), "c", kNew);
  Queue(CHANGE_ACTION_CREATE_WRITE, VLT("C:\\Data\\c.txt"));
  processor.ProcessChanges();
  EXPECT_FALSE(fs.Exists(VLT("T:\\B\\Data\\c.txt"))) << "no items any more";
  EXPECT_TRUE(queue.IsEmpty());
}

}  // namespace
}  // namespace vl::test
