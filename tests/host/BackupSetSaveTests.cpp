#include <gtest/gtest.h>

#include "FakeSetFileStore.h"
#include "ModelTestSupport.h"
#include "core/text/Utf.h"

namespace vl {
namespace {

using test::DocFixture;
using test::FakeSetFileStore;

const String kDataFolder = VLT("C:\\VL");
const String kDefaultSet = VLT("C:\\VL\\Config\\Default.bsf");

struct SaveFixture : DocFixture {
  FakeSetFileStore store;
  String message;

  SaveFixture() {
    doc.OnNewDocument(kDataFolder);
    doc.SetModifiedFlag();
    sources.AddTail(test::MakeSource(VLT("D:\\"), 1));
  }
  SaveOutcome Save() { return SaveBackupSet(doc, store, kDataFolder, message); }
};

TEST(SaveBackupSet, NewSetGoesToTheDefaultFileAndTakesItsPath) {
  SaveFixture f;
  EXPECT_EQ(f.Save(), SaveOutcome::Written);
  EXPECT_EQ(f.store.files.at(kDefaultSet), StoreBackupSet(f.doc));
  EXPECT_EQ(f.doc.GetPathName(), kDefaultSet);
  EXPECT_FALSE(f.doc.IsModified());
}

TEST(SaveBackupSet, NewSetNeverOverwritesAnExistingDefaultFile) {
  SaveFixture f;
  f.store.files[kDefaultSet] = {0x01, 0x02};
  EXPECT_EQ(f.Save(), SaveOutcome::SkippedExisting);
  EXPECT_EQ(f.store.writeCalls, 0);
  EXPECT_EQ(f.store.files.at(kDefaultSet), (std::vector<uint8_t>{0x01, 0x02}));
  EXPECT_TRUE(f.doc.GetPathName().empty());
  EXPECT_TRUE(f.doc.IsModified());
}

TEST(SaveBackupSet, SetWithAPathReplacesItsFile) {
  SaveFixture f;
  const String path = VLT("E:\\Sets\\Mine.bsf");
  f.doc.SetPathName(path);
  f.store.files[path] = {0x01};
  f.store.files[kDefaultSet] = {0x02};
  EXPECT_EQ(f.Save(), SaveOutcome::Written);
  EXPECT_EQ(f.store.files.at(path), StoreBackupSet(f.doc));
  EXPECT_EQ(f.store.files.at(kDefaultSet), (std::vector<uint8_t>{0x02}));
  EXPECT_EQ(f.doc.GetPathName(), path);
}

TEST(SaveBackupSet, DataFolderAtARootIsJoinedWithoutADoubleBackslash) {
  SaveFixture f;
  EXPECT_EQ(SaveBackupSet(f.doc, f.store, VLT("F:\\"), f.message), SaveOutcome::Written);
  EXPECT_EQ(f.doc.GetPathName(), VLT("F:\\Config\\Default.bsf"));
}

TEST(SaveBackupSet, FailedFirstSaveLeavesTheSetWithoutAPath) {
  SaveFixture f;
  f.store.failWritesWith = StoreError::DiskFull;
  EXPECT_EQ(f.Save(), SaveOutcome::Failed);
  EXPECT_EQ(f.message, VLT("Destination disk drive is full."));
  EXPECT_TRUE(f.doc.GetPathName().empty());
  EXPECT_TRUE(f.doc.IsModified());
  EXPECT_TRUE(f.store.files.empty());
  // The next change tries again, and then succeeds.
  f.store.failWritesWith = StoreError::None;
  EXPECT_EQ(f.Save(), SaveOutcome::Written);
}

TEST(SaveBackupSet, FailedSaveKeepsTheOldFileAndThePath) {
  SaveFixture f;
  f.doc.SetPathName(kDefaultSet);
  f.store.files[kDefaultSet] = {0x07};
  f.store.failWritesWith = StoreError::SharingViolation;
  EXPECT_EQ(f.Save(), SaveOutcome::Failed);
  EXPECT_EQ(f.message, VLT("Sharing violation while accessing C:\\VL\\Config\\Default.bsf."));
  EXPECT_EQ(f.store.files.at(kDefaultSet), (std::vector<uint8_t>{0x07}));
  EXPECT_EQ(f.doc.GetPathName(), kDefaultSet);
  EXPECT_TRUE(f.doc.IsModified());
}

TEST(LoadBackupSet, ReadsTheFileAndTakesItsPath) {
  SaveFixture saved;
  ASSERT_EQ(saved.Save(), SaveOutcome::Written);
  DocFixture f;
  String message;
  ASSERT_TRUE(LoadBackupSet(saved.store, kDefaultSet, f.doc, message)) << ToUtf8(message);
  EXPECT_EQ(f.doc.GetPathName(), kDefaultSet);
  EXPECT_EQ(StoreBackupSet(f.doc), saved.store.files.at(kDefaultSet));
}

TEST(LoadBackupSet, FailureLeavesTheSetWithoutAPath) {
  FakeSetFileStore store;
  DocFixture f;
  String message;
  EXPECT_FALSE(LoadBackupSet(store, kDefaultSet, f.doc, message));
  EXPECT_EQ(message, VLT("C:\\VL\\Config\\Default.bsf was not found."));
  store.files[kDefaultSet] = {0xFF, 0xFE, 0xFF};
  EXPECT_FALSE(LoadBackupSet(store, kDefaultSet, f.doc, message));
  EXPECT_EQ(message, VLT("Attempted to access C:\\VL\\Config\\Default.bsf past its end."));
  EXPECT_TRUE(f.doc.GetPathName().empty());
}

TEST(StoreErrorMessage, FrameworkTextsPerFailure) {
  const String file = VLT("D:\\a.bsf");
  EXPECT_EQ(StoreErrorMessage(StoreError::AccessDenied, file, true),
            VLT("Access to D:\\a.bsf was denied."));
  EXPECT_EQ(StoreErrorMessage(StoreError::NotFound, file, false), VLT("D:\\a.bsf was not found."));
  EXPECT_EQ(StoreErrorMessage(StoreError::DiskFull, file, true),
            VLT("Destination disk drive is full."));
  EXPECT_EQ(StoreErrorMessage(StoreError::Other, file, true), VLT("Failed to save document."));
  EXPECT_EQ(StoreErrorMessage(StoreError::Other, file, false), VLT("Unexpected file format."));
  EXPECT_EQ(StoreErrorMessage(StoreError::TooLarge, file, false), VLT("Unexpected file format."));
}

}  // namespace
}  // namespace vl
