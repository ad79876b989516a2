// The rule by which the dialog and vlbackup's add both refuse an item that is registered
// already, whatever spelling of its path they are given.
#include <gtest/gtest.h>

#include "client/engine/ItemPath.h"
#include "client/engine/ItemPlacement.h"
#include "client/engine/RunState.h"
#include "client/engine/SourceRegistration.h"
#include "client/model/SourceList.h"
#include "core/text/Utf.h"
#include "tests/support/FakeFileSystem.h"

namespace vl {
namespace {

TEST(SameItem, CanonicalSpellingOfEachPathForm) {
  const std::pair<const Char*, const Char*> cases[] = {
      {VLT("D:\\Work"), VLT("D:\\Work")},
      {VLT("D:\\Work\\"), VLT("D:\\Work")},
      {VLT("D:\\Work\\\\"), VLT("D:\\Work")},
      {VLT("D:/Work/Sub/"), VLT("D:\\Work\\Sub")},
      {VLT("D:\\\\Work//Sub"), VLT("D:\\Work\\Sub")},
      {VLT("D:\\Work\\.\\Sub\\..\\Other"), VLT("D:\\Work\\Other")},
      {VLT("D:\\..\\Work"), VLT("D:\\Work")},
      {VLT("D:\\Work. ."), VLT("D:\\Work")},
      {VLT("D:\\Work.\\"), VLT("D:\\Work")},
      {VLT("D:\\a.b\\c"), VLT("D:\\a.b\\c")},
      {VLT("D:\\"), VLT("D:\\")},
      {VLT("D:/"), VLT("D:\\")},
      {VLT("D:\\\\"), VLT("D:\\")},
      {VLT("D:\\Work\\.."), VLT("D:\\")},
      {VLT("D:"), VLT("D:")},
      {VLT("D:Work\\"), VLT("D:Work")},
      {VLT("\\\\nas\\share\\Docs\\"), VLT("\\\\nas\\share\\Docs")},
      {VLT("//nas/share/Docs"), VLT("\\\\nas\\share\\Docs")},
      {VLT("\\\\nas\\share\\..\\x"), VLT("\\\\nas\\share\\x")},
      {VLT("\\\\nas\\share\\"), VLT("\\\\nas\\share")},
      {VLT("\\Work\\"), VLT("\\Work")},
      {VLT("Work\\..\\..\\x\\"), VLT("..\\x")},
      {VLT("D:\\R\u00E9sum\u00E9\\\uD55C\\"), VLT("D:\\R\u00E9sum\u00E9\\\uD55C")},
      {VLT(""), VLT("")},
  };
  for (const auto& [path, canonical] : cases) {
    EXPECT_EQ(CanonicalItemPath(path), canonical) << ToUtf8(path);
  }
}

TEST(SameItem, OnePathInAnySpellingOnOneVolume) {
  struct Case {
    const Char* registered;
    const Char* candidate;
    uint32_t candidateSerial;
    bool same;
  };
  constexpr uint32_t kSerial = 0xC0C0;
  const Case cases[] = {
      {VLT("C:\\Work"), VLT("C:\\Work"), kSerial, true},
      {VLT("C:\\Work"), VLT("c:\\WORK"), kSerial, true},
      {VLT("C:\\Work"), VLT("C:\\Work\\"), kSerial, true},
      {VLT("C:\\Work"), VLT("C:/Work/"), kSerial, true},
      {VLT("C:\\Work\\"), VLT("C:\\Work"), kSerial, true},  // a set written by older code
      {VLT("C:\\R\u00E9sum\u00E9"), VLT("c:\\R\u00C9SUM\u00C9"), kSerial, true},
      {VLT("\\\\NAS\\Share\\Docs"), VLT("//nas/share/docs/"), kSerial, true},
      {VLT("C:\\"), VLT("C:\\\\"), kSerial, true},
      {VLT("C:\\Work"), VLT("C:\\Work"), 0x1111, false},  // another disk that now has C:
      {VLT("C:\\Work"), VLT("C:\\Work2"), kSerial, false},
      {VLT("C:\\Work"), VLT("C:\\Wor"), kSerial, false},
      {VLT("C:\\Work"), VLT("C:\\Work\\Sub"), kSerial, false},
      {VLT("C:\\Work"), VLT("D:\\Work"), kSerial, false},
      {VLT("C:\\"), VLT("C:"), kSerial, false},  // the current folder of C:, not its root
  };
  for (const Case& c : cases) {
    CSource item;
    item.path = c.registered;
    item.volumeSerial = kSerial;
    EXPECT_EQ(IsSameSourceItem(item, c.candidate, c.candidateSerial), c.same)
        << ToUtf8(c.registered) << " / " << ToUtf8(c.candidate);
  }
}

TEST(SameItem, AddingStoresTheCanonicalPathAndRefusesEveryOtherSpelling) {
  test::FakeFileSystem fs;
  fs.AddVolume(VLT("C:\\"), 0xC0C0, VLT("NTFS"));
  fs.AddFolder(VLT("C:\\Work"));
  CSourceList items;
  CRunState run;
  ASSERT_TRUE(AddSourceItem(items, VLT("C:/Work\\\\"), String(), fs, run).added);
  EXPECT_EQ(items.GetAt(0).path, VLT("C:\\Work"));
  EXPECT_EQ(items.GetAt(0).volumeSerial, 0xC0C0u);
  for (const Char* spelling : {VLT("C:\\Work"), VLT("c:\\work\\"), VLT("C:/WORK"),
                               VLT("C:\\Temp\\..\\Work")}) {
    EXPECT_FALSE(AddSourceItem(items, spelling, String(), fs, run).added) << ToUtf8(spelling);
  }
  EXPECT_EQ(items.GetCount(), 1u);
}

// Nesting is judged on the canonical spelling, at whole names: D:\Data2 is not inside D:\Data.
TEST(SameItem, InsideMeansTheSameFolderOrBelowItInAnySpelling) {
  const struct {
    const Char* inner;
    const Char* outer;
    bool inside;
  } cases[] = {
      {VLT("D:\\Data\\Backup"), VLT("d:\\DATA"), true},
      {VLT("D:\\Data"), VLT("D:\\Data\\"), true},
      {VLT("D:/Data/x/../Backup"), VLT("D:\\Data"), true},
      {VLT("D:\\Data2"), VLT("D:\\Data"), false},
      {VLT("D:\\Dat"), VLT("D:\\Data"), false},
      {VLT("D:\\Data"), VLT("D:\\"), true},
      {VLT("E:\\Data"), VLT("D:\\"), false},
      {VLT("\\\\nas\\share\\B\\x"), VLT("\\\\NAS\\share\\b"), true},
      {VLT("\\\\nas\\share2"), VLT("\\\\nas\\share"), false},
      {VLT("D:\\Data"), VLT(""), false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(IsSameOrInside(c.inner, c.outer), c.inside)
        << ToUtf8(c.inner) << " in " << ToUtf8(c.outer);
  }
}

}  // namespace
}  // namespace vl
