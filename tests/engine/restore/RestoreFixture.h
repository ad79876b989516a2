#pragma once
// A set with two items (one on a disk that moved from E: to F:) backed up into T:\B, as the
// versions, restore and prune tests share it.
#include <gtest/gtest.h>

#include <memory>

#include "client/engine/restore/Versions.h"
#include "client/model/SourceList.h"
#include "tests/support/FakeClock.h"
#include "tests/support/FakeFileSystem.h"

namespace vl::test {

class RestoreFixture : public ::testing::Test {
 protected:
  static constexpr int64_t kBackedUp = 1'765'000'000;
  static constexpr uint32_t kMovedSerial = 0xE0E0;

  RestoreFixture() {
    fs.AddVolume(VLT("C:\\"), 0xC0C0, VLT("NTFS"));
    fs.AddVolume(VLT("F:\\"), kMovedSerial, VLT("FAT32"));
    fs.AddVolume(VLT("T:\\"), 0x7070, VLT("NTFS"));
    fs.AddFolder(VLT("C:\\Docs"));
    fs.AddFolder(VLT("F:\\Photos"));
    fs.AddFolder(kTarget);
    AddItems();
    clock.now = LocalTime{2026, 12, 9, 10, 0, 0};
  }

  // As the set stores them: a run rewrites a moved item's path to its new letter.
  void AddItems() {
    items.RemoveAll();
    AddItem(VLT("C:\\Docs"), 0xC0C0);
    AddItem(VLT("E:\\Photos"), kMovedSerial);
  }

  void AddItem(const String& path, uint32_t serial) {
    auto item = std::make_unique<CSource>();
    item->path = path;
    item->volumeSerial = serial;
    items.AddTail(std::move(item));
  }

  VersionList Find(const String& source) { return FindVersions(fs, fs, items, kTarget, source); }

  const String kTarget = VLT("T:\\B");
  FakeFileSystem fs;
  FakeClock clock;
  CSourceList items;
};

}  // namespace vl::test
