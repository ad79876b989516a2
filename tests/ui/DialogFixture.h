#pragma once
// The backup dialog's logic and run control over fakes: a source volume C: (the data folder
// C:\VL lives there too), a target volume T: with the target folder T:\B, and the worker
// running real backups on the fake file system.
#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <thread>

#include "client/engine/SourceRecognition.h"
#include "client/engine/TextProvider.h"
#include "client/model/SourceList.h"
#include "client/ui/logic/BackupDialogLogic.h"
#include "client/ui/logic/RunControl.h"
#include "tests/support/FakeClock.h"
#include "tests/support/FakeFileSystem.h"
#include "tests/ui/CallLog.h"
#include "tests/ui/FakeBackupDialogView.h"
#include "tests/ui/FakeBackupServices.h"
#include "tests/ui/FakeRunWindow.h"

namespace vl::test {

constexpr int64_t kFileTime = 1'394'000'000;

class DialogFixture : public ::testing::Test {
 protected:
  DialogFixture() {
    fs.AddVolume(VLT("C:\\"), 0xC0C0, VLT("NTFS"));
    fs.AddVolume(VLT("T:\\"), 0x7070, VLT("NTFS"));
    fs.AddFolder(VLT("T:\\B"));
    fs.AddFolder(VLT("C:\\VL\\Backup"));
    clock.now = LocalTime{2014, 3, 5, 9, 7, 2};
    clock.utcSeconds = 1'394'010'422;
    services.settings.m_strBackupPath = VLT("T:\\B");
  }
  // A test that failed while the worker was held must not leave it waiting forever.
  ~DialogFixture() override {
    view.onAsk = nullptr;
    window.Release();
  }

  // An item as the dialog lists it after a reload: in the set and in the list.
  CSource& AddListed(const String& path) {
    auto item = std::make_unique<CSource>();
    item->path = path;
    item->volumeSerial = VolumeSerialOf(fs, path);
    item->recognized = 1;
    CSource& added = services.items.AddTail(std::move(item));
    view.entries.push_back(&added);
    return added;
  }

  // Starts a run and, once the worker has posted its end, handles it as the dialog would.
  RunCompletion RunToEnd() {
    run.StartBackup();
    return FinishRun();
  }
  RunCompletion FinishRun() {
    const std::optional<RunCompletion> code = window.WaitForDone();
    EXPECT_TRUE(code.has_value()) << "the worker posted no completion";
    if (!code) return DONE_NOTHING;
    run.OnBackupDone(*code);
    return *code;
  }
  // Waits until the worker sits paused at one of its check points.
  static bool WorkerPaused(const CRunState& state) {
    for (int i = 0; i < 1000; ++i) {
      if (state.pause.WaitingCount() >= 1) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return false;
  }
  bool WorkerPaused() { return WorkerPaused(run.State()); }

  FakeFileSystem fs;
  FakeClock clock;
  EnglishTexts texts;
  CallLog log;
  FakeBackupServices services{log};
  FakeBackupDialogView view{log};
  FakeRunWindow window;
  int selectionHandled = 0;
  CRunControl run{services, view, window, fs, fs, texts, clock, [this] {
                    ++selectionHandled;
                    logic.SelectionChanged();
                  }};
  CBackupDialogLogic logic{services, view, fs, fs, run};
};

}  // namespace vl::test
