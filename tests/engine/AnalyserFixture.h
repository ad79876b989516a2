#pragma once
// An engine on a fake file system with a local source volume C:, a local target volume T:, a
// removable FAT32 disk E: and a share, and a way to analyse one item as a run does.
#include <string>

#include <gtest/gtest.h>

#include "client/engine/BackupEngine.h"
#include "client/engine/TextProvider.h"
#include "client/model/Source.h"
#include "tests/support/FakeClock.h"
#include "tests/support/FakeFileSystem.h"
#include "tests/support/JobTreeText.h"
#include "tests/support/RecordingProgressView.h"

namespace vl::test {

constexpr int64_t kWritten = 1'394'010'422;

class AnalyserFixture : public ::testing::Test {
 protected:
  AnalyserFixture() : engine(fs, texts, view, clock) {
    fs.AddVolume(VLT("C:\\"), 0xC0C0, VLT("NTFS"));
    fs.AddVolume(VLT("T:\\"), 0x7070, VLT("NTFS"));
    fs.AddVolume(VLT("E:\\"), 0xE0E0, VLT("FAT32"));
    fs.AddVolume(VLT("\\\\nas\\share"), 0x5151, VLT("NTFS"));
    fs.AddFolder(VLT("T:\\B"));
  }

  // Probes the item, sets its synchronize flag and analyses it, as the run driver does; the
  // result is the whole job list as text.
  std::string Analyse(const String& itemPath, const String& targetFolder = VLT("T:\\B"),
                      bool mirror = false) {
    CSource item;
    item.path = itemPath;
    item.targetFolder = targetFolder;
    engine.ProbeItem(item);
    item.mirror = mirror ? 1 : 0;
    String name = item.GetItemName();
    if (name == item.path) name.clear();
    engine.AnalyseItem(item, item.path, name, item.MakeTargetPath());
    return JobTreeText(engine.State().jobList);
  }

  // A source file and its copy on the target with the same last-write time.
  void AddCopied(const String& source, const String& target, uint64_t size) {
    fs.AddFile(source, size, kWritten);
    fs.AddFile(target, size, kWritten);
  }

  const RunStats& Stats() const { return engine.State().stats; }

  FakeFileSystem fs;
  EnglishTexts texts;
  RecordingProgressView view;
  FakeClock clock;
  CBackupEngine engine;
};

}  // namespace vl::test
