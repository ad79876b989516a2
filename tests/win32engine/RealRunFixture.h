#pragma once
// A backup run on real files under a fresh temporary folder: the folder Source holds the
// items, the folder Target is the backup target. The clock is the test's, so history names
// are known in advance.
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "client/engine/BackupEngine.h"
#include "client/engine/BackupRunner.h"
#include "client/engine/SourceRegistration.h"
#include "client/engine/TextProvider.h"
#include "client/model/SourceList.h"
#include "client/platform/FileSystemWin32.h"
#include "tests/support/ErrorRecords.h"
#include "tests/support/FakeClock.h"
#include "tests/support/RecordingProgressView.h"
#include "tests/support/RecordingRunObserver.h"
#include "tests/win32/TempFolder.h"
#include "tests/win32engine/RealTree.h"

namespace vl::test {

// Last-write times the tests give their files, in local seconds.
constexpr int64_t kOld = 1'394'000'000;
constexpr int64_t kNew = kOld + 3600;


// The real file system with a moment to act in between the copy's own checks and the copy.
class HookedFileSystem : public platform::FileSystemWin32 {
 public:
  std::function<void(const String& partial)> beforeCopy;

  FsResult CopyIntoPlace(const String& from, const String& partial, const String& to,
                         const CopyProgressFn& progress, const MakeWayFn& makeWay) override {
    if (beforeCopy) beforeCopy(partial);
    return FileSystemWin32::CopyIntoPlace(from, partial, to, progress, makeWay);
  }
};

class RealRunFixture : public ::testing::Test {
 protected:
  RealRunFixture()
      : source(temp / L"Source"),
        target(temp / L"Target"),
        engine(fs, texts, view, clock),
        observer(engine.State()),
        runner(engine, fs, items, observer) {
    MakeFolder(source);
    MakeFolder(target);
    clock.now = LocalTime{2014, 3, 5, 9, 7, 2};
    clock.utcSeconds = 1'394'010'422;
    settings.targetFolder = target;
  }

  // Adds the item as the dialog does, then lets the next run cover every item.
  void AddItem(const String& path) {
    ASSERT_TRUE(AddSourceItem(items, path, String(), fs, engine.State()).added);
    engine.State().runItemIndex = -1;
  }

  RunCompletion Run() {
    const std::optional<RunCompletion> code = runner.RunNow(settings);
    EXPECT_TRUE(code.has_value());
    return code.value_or(DONE_NOTHING);
  }

  const RunStats& Stats() const { return engine.State().stats; }

  std::vector<ErrorRecord> Errors() const { return ErrorRecords(engine.State()); }

  static ErrorRecord Error(const String& path, TextId text) { return ExpectedError(path, text); }

  TempFolder temp;
  const String source;
  const String target;
  HookedFileSystem fs;
  EnglishTexts texts;
  RecordingProgressView view;
  FakeClock clock;
  CBackupEngine engine;
  CSourceList items;
  RecordingRunObserver observer;
  RunSettings settings;
  CBackupRunner runner;
};

}  // namespace vl::test
