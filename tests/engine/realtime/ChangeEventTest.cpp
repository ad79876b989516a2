// The change event and its record as blocks, and the directory-change handler that makes
// events out of the watchers' raw changes.
#include "client/engine/realtime/ChangeEvent.h"

#include <gtest/gtest.h>

#include <cstddef>

#include "client/engine/realtime/ChangeIntake.h"
#include "client/model/SourceList.h"
#include "tests/support/FakeFileSystem.h"

namespace vl::test {
namespace {

TEST(ChangeEvent, FieldsLieInTheSpecifiedOrderAndWidths) {
  constexpr size_t text = kChangeTextChars * sizeof(Char);
  EXPECT_EQ(offsetof(CHANGE_EVENT, processName), 12u);
  EXPECT_EQ(offsetof(CHANGE_EVENT, action), 12u + text);
  EXPECT_EQ(offsetof(CHANGE_EVENT, sourcePath), 12u + 2 * text);
  EXPECT_EQ(offsetof(CHANGE_EVENT, destinationPath), 12u + 3 * text);
  EXPECT_EQ(offsetof(CHANGE_EVENT, verdict), 12u + 4 * text);
  EXPECT_EQ(offsetof(CHANGE_EVENT, operation), 12u + 5 * text);
  EXPECT_EQ(offsetof(CHANGE_RECORD, sourceName), sizeof(CHANGE_EVENT));
  EXPECT_EQ(offsetof(CHANGE_RECORD, destinationExtension), sizeof(CHANGE_EVENT) + 5 * text);
  EXPECT_EQ(offsetof(CHANGE_RECORD, tick), sizeof(CHANGE_EVENT) + 6 * text);

  const auto event = MakeChangeEvent();
  EXPECT_EQ(event->header1, 104u);
  EXPECT_EQ(event->header2, 1u);
  EXPECT_EQ(event->header3, 1u);
  const auto* bytes = reinterpret_cast<const unsigned char*>(event.get());
  for (size_t i = 12; i < sizeof(CHANGE_EVENT); ++i) ASSERT_EQ(bytes[i], 0) << "byte " << i;
}

// A path too long for a text is refused whole (an event for a cut path would change another
// file), and nothing is written past the field.
TEST(ChangeEvent, TextsThatDoNotFitAreRefusedNotCut) {
  struct Case {
    size_t length;
    bool fits;
  };
  for (const Case& c : {Case{0, true}, Case{259, true}, Case{260, false}, Case{600, false}}) {
    auto event = MakeChangeEvent();
    SetChangeText(event->destinationPath, VLT("stale"));
    const String text(c.length, VLT('x'));
    EXPECT_EQ(SetChangeText(event->sourcePath, text), c.fits) << c.length;
    EXPECT_EQ(GetChangeText(event->sourcePath), c.fits ? text : String()) << c.length;
    EXPECT_EQ(GetChangeText(event->destinationPath), VLT("stale")) << "the next field";
    EXPECT_EQ(event->sourcePath[kChangeTextChars - 1], 0) << "always terminated";
  }
  // A field with no zero in it reads as its 260 characters, never beyond.
  auto event = MakeChangeEvent();
  for (Char& c : event->action) c = VLT('a');
  EXPECT_EQ(GetChangeText(event->action), String(kChangeTextChars, VLT('a')));
}

TEST(ChangeEvent, RecordSplitsNameFolderAndExtension) {
  struct Case {
    const Char* path;
    const Char* name;
    const Char* folder;
    const Char* extension;
  };
  const Case cases[] = {
      {VLT("C:\\Data\\q1.xls"), VLT("q1.xls"), VLT("C:\\Data"), VLT("xls")},
      {VLT("C:\\Data\\a.tar.gz"), VLT("a.tar.gz"), VLT("C:\\Data"), VLT("gz")},
      {VLT("C:\\Data\\README"), VLT("README"), VLT("C:\\Data"), VLT("")},
      {VLT("C:\\Data\\.tmp"), VLT(".tmp"), VLT("C:\\Data"), VLT("tmp")},
      {VLT("C:\\v1.0\\README"), VLT("README"), VLT("C:\\v1.0"), VLT("")},
      {VLT("noslash.txt"), VLT("noslash.txt"), VLT(""), VLT("txt")},
      {VLT(""), VLT(""), VLT(""), VLT("")},
  };
  for (const Case& c : cases) {
    auto event = MakeChangeEvent();
    SetChangeText(event->action, CHANGE_ACTION_RENAME);
    SetChangeText(event->sourcePath, VLT("C:\\x\\old.doc"));
    SetChangeText(event->destinationPath, c.path);
    const CHANGE_RECORD record = MakeChangeRecord(*event, 77);
    EXPECT_EQ(GetChangeText(record.destinationName), c.name) << c.path;
    EXPECT_EQ(GetChangeText(record.destinationFolder), c.folder) << c.path;
    EXPECT_EQ(GetChangeText(record.destinationExtension), c.extension) << c.path;
    EXPECT_EQ(GetChangeText(record.sourceName), VLT("old.doc"));
    EXPECT_EQ(GetChangeText(record.sourceFolder), VLT("C:\\x"));
    EXPECT_EQ(GetChangeText(record.sourceExtension), VLT("doc"));
    EXPECT_EQ(record.tick, 77u);
    EXPECT_EQ(GetChangeText(record.event.action), CHANGE_ACTION_RENAME);
  }
}

class ChangeIntakeTest : public ::testing::Test {
 protected:
  ChangeIntakeTest() {
    fs.AddVolume(VLT("C:\\"), 1, VLT("NTFS"));
    fs.AddFolder(VLT("C:\\Data"));
    fs.AddFile(VLT("C:\\Notes.txt"), 1, 1'300'000'000);
    for (const Char* path : {VLT("C:\\Notes.txt"), VLT("C:\\Data"), VLT("C:\\Away")}) {
      auto item = std::make_unique<CSource>();
      item->path = path;
      items.AddTail(std::move(item));
    }
  }

  FakeFileSystem fs;
  CSourceList items;
  CChangeIntake intake{fs};
};

TEST_F(ChangeIntakeTest, ChangesBelowAFolderItemBecomeEvents) {
  struct Case {
    uint32_t action;
    String path;
    const Char* expectedAction;  // null: ignored
  };
  const Case cases[] = {
      {FILE_CHANGE_ADDED, VLT("C:\\Data\\a.txt"), CHANGE_ACTION_CREATE_WRITE},
      {FILE_CHANGE_MODIFIED, VLT("C:\\Data\\a.txt"), CHANGE_ACTION_CREATE_WRITE},
      {FILE_CHANGE_REMOVED, VLT("C:\\Data\\a.txt"), CHANGE_ACTION_DELETE},
      {FILE_CHANGE_MODIFIED, VLT("c:\\DATA\\sub\\a.txt"), CHANGE_ACTION_CREATE_WRITE},
      // A plain text prefix, as specified; the processor's mapping is bounded at names.
      {FILE_CHANGE_MODIFIED, VLT("C:\\Data2\\a.txt"), CHANGE_ACTION_CREATE_WRITE},
      // An item that is not here (a card not plugged in) still counts as a folder.
      {FILE_CHANGE_MODIFIED, VLT("C:\\Away\\a.txt"), CHANGE_ACTION_CREATE_WRITE},
      {FILE_CHANGE_MODIFIED, VLT("C:\\Data"), nullptr},
      {FILE_CHANGE_MODIFIED, VLT("C:\\Notes.txt"), nullptr},
      {FILE_CHANGE_MODIFIED, VLT("C:\\Notes.txt.bak"), nullptr},
      {FILE_CHANGE_MODIFIED, VLT("C:\\Other\\a.txt"), nullptr},
      {6, VLT("C:\\Data\\a.txt"), nullptr},
      {0, VLT("C:\\Data\\a.txt"), nullptr},
      {FILE_CHANGE_MODIFIED, VLT("C:\\Data\\") + String(260, VLT('n')), nullptr},
  };
  for (const Case& c : cases) {
    const auto event = intake.OnDirectoryChange(items, c.action, c.path);
    if (c.expectedAction == nullptr) {
      EXPECT_EQ(event, nullptr) << "case " << (&c - cases);
      continue;
    }
    ASSERT_NE(event, nullptr) << "case " << (&c - cases);
    EXPECT_EQ(GetChangeText(event->action), c.expectedAction);
    EXPECT_EQ(GetChangeText(event->sourcePath), c.path);
    EXPECT_EQ(GetChangeText(event->destinationPath), VLT(""));
    EXPECT_EQ(GetChangeText(event->verdict), VLT("PASS"));
    EXPECT_EQ(GetChangeText(event->operation), VLT("NtCreateFile"));
    EXPECT_EQ(GetChangeText(event->processName), VLT(""));
    EXPECT_EQ(event->header1, 104u);
  }
}

TEST_F(ChangeIntakeTest, AnItemsKindIsAskedOnlyWhenItsPathMatches) {
  fs.ResetCounts();
  intake.OnDirectoryChange(items, FILE_CHANGE_MODIFIED, VLT("D:\\elsewhere\\a.txt"));
  EXPECT_EQ(fs.TotalStatusQueries(), 0u);
}

TEST_F(ChangeIntakeTest, ARenameTakesItsOldNameFromTheFirstHalf) {
  EXPECT_EQ(intake.OnDirectoryChange(items, FILE_CHANGE_RENAMED_NEW, VLT("C:\\Data\\b.txt")),
            nullptr)
      << "a second half with no first";
  EXPECT_EQ(intake.OnDirectoryChange(items, FILE_CHANGE_RENAMED_OLD, VLT("C:\\Other\\a.txt")),
            nullptr);
  EXPECT_TRUE(intake.PendingOldName().empty()) << "a first half below no item is ignored";

  EXPECT_EQ(intake.OnDirectoryChange(items, FILE_CHANGE_RENAMED_OLD, VLT("C:\\Data\\a.txt")),
            nullptr);
  EXPECT_EQ(intake.PendingOldName(), VLT("C:\\Data\\a.txt"));
  const auto event =
      intake.OnDirectoryChange(items, FILE_CHANGE_RENAMED_NEW, VLT("C:\\Data\\b.txt"));
  ASSERT_NE(event, nullptr);
  EXPECT_EQ(GetChangeText(event->action), CHANGE_ACTION_RENAME);
  EXPECT_EQ(GetChangeText(event->sourcePath), VLT("C:\\Data\\a.txt"));
  EXPECT_EQ(GetChangeText(event->destinationPath), VLT("C:\\Data\\b.txt"));
  EXPECT_TRUE(intake.PendingOldName().empty());
  EXPECT_EQ(intake.OnDirectoryChange(items, FILE_CHANGE_RENAMED_NEW, VLT("C:\\Data\\c.txt")),
            nullptr);
}

}  // namespace
}  // namespace vl::test
