#pragma once
// A backup run on the fake file system: a source volume C:, a target volume T: with the target
// folder T:\B, a clock at 5 March 2014 09:07:02, and the run driver over an item list.
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "client/engine/BackupEngine.h"
#include "client/engine/BackupRunner.h"
#include "client/engine/SourceRecognition.h"
#include "client/engine/TextProvider.h"
#include "client/model/SourceList.h"
#include "tests/support/ErrorRecords.h"
#include "tests/support/FakeClock.h"
#include "tests/support/FakeFileSystem.h"
#include "tests/support/RecordingProgressView.h"
#include "tests/support/RecordingRunObserver.h"

namespace vl::test {

constexpr int64_t kOld = 1'394'000'000;
constexpr int64_t kNew = kOld + 3600;
constexpr int64_t kRunStart = 1'394'010'422;


class RunFixture : public ::testing::Test {
 protected:
  RunFixture()
      : engine(fs, texts, view, clock),
        observer(engine.State()),
        runner(engine, fs, items, observer) {
    fs.AddVolume(VLT("C:\\"), 0xC0C0, VLT("NTFS"));
    fs.AddVolume(VLT("T:\\"), 0x7070, VLT("NTFS"));
    fs.AddFolder(VLT("T:\\B"));
    clock.now = LocalTime{2014, 3, 5, 9, 7, 2};
    clock.utcSeconds = kRunStart;
    settings.targetFolder = VLT("T:\\B");
  }

  // An item as the dialog adds it: with its volume's serial number.
  CSource& AddItem(const String& path) {
    auto item = std::make_unique<CSource>();
    item->path = path;
    item->volumeSerial = VolumeSerialOf(fs, path);
    item->recognized = 1;
    return items.AddTail(std::move(item));
  }

  RunCompletion Run() {
    const std::optional<RunCompletion> code = runner.RunNow(settings);
    EXPECT_TRUE(code.has_value()) << "a run was active";
    return code.value_or(DONE_NOTHING);
  }

  CRunState& State() { return engine.State(); }
  const RunStats& Stats() { return engine.State().stats; }

  std::vector<ErrorRecord> Errors() { return ErrorRecords(engine.State()); }

  static ErrorRecord Error(const String& path, TextId text) { return ExpectedError(path, text); }

  FakeFileSystem fs;
  EnglishTexts texts;
  RecordingProgressView view;
  FakeClock clock;
  CBackupEngine engine;
  CSourceList items;
  RecordingRunObserver observer;
  RunSettings settings;
  CBackupRunner runner;
};

// The execution counters of a run, in the block's order, for comparing them all at once.
struct ExecutionCounts {
  int64_t createdFolders = 0, copiedNew = 0, copiedChanged = 0;
  int64_t deletedFolders = 0, deletedFiles = 0, errorCount = 0;
  bool operator==(const ExecutionCounts& o) const {
    return createdFolders == o.createdFolders && copiedNew == o.copiedNew &&
           copiedChanged == o.copiedChanged && deletedFolders == o.deletedFolders &&
           deletedFiles == o.deletedFiles && errorCount == o.errorCount;
  }
};

inline ExecutionCounts CountsOf(const RunStats& s) {
  return {s.createdFolders, s.copiedNew, s.copiedChanged, s.deletedFolders, s.deletedFiles,
          s.errorCount};
}

inline void PrintTo(const ExecutionCounts& c, std::ostream* os) {
  *os << "{created " << c.createdFolders << ", new " << c.copiedNew << ", changed "
      << c.copiedChanged << ", deletedFolders " << c.deletedFolders << ", deletedFiles "
      << c.deletedFiles << ", errors " << c.errorCount << "}";
}

}  // namespace vl::test
