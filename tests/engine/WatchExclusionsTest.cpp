#include "client/engine/realtime/WatchExclusions.h"

#include <gtest/gtest.h>

namespace vl {
namespace {

const std::vector<String> kFolders = ExcludedFolders(
    VLT("C:\\Windows"), VLT("C:\\Program Files"),
    VLT("C:\\Users\\Ann\\AppData\\Local\\Microsoft\\Windows\\Temporary Internet Files\\Low"),
    VLT("C:\\Users\\Ann\\AppData\\Local\\Temp"));

TEST(WatchExclusions, FoldersComeInOrderWithTheCacheCutAndTheTempFolderClosed) {
  const std::vector<String> expected = {
      VLT("C:\\Windows"), VLT("C:\\Program Files"),
      VLT("C:\\Users\\Ann\\AppData\\Local\\Microsoft\\Windows\\Temporary Internet Files"),
      VLT("C:\\Users\\Ann\\AppData\\Local\\Temp\\")};
  EXPECT_EQ(kFolders, expected);
}

TEST(WatchExclusions, FoldersTheSystemCouldNotNameAreLeftOut) {
  const std::vector<String> folders =
      ExcludedFolders(VLT(""), VLT("D:\\Apps"), VLT(""), VLT(""));
  EXPECT_EQ(folders, std::vector<String>{VLT("D:\\Apps")});
  // Even a list with an empty entry given from elsewhere never excludes everything.
  const WatchExclusions exclusions({VLT(""), VLT("D:\\Apps")});
  EXPECT_FALSE(exclusions.Excludes(VLT("C:\\Users\\Ann\\a.txt")));
  EXPECT_TRUE(exclusions.Excludes(VLT("D:\\Apps\\x.dll")));
}

TEST(WatchExclusions, TellsWhichChangesAreDropped) {
  const WatchExclusions exclusions(kFolders);
  const struct {
    const Char* path;
    bool excluded;
  } cases[] = {
      {VLT("C:\\Windows\\Temp\\setup.log"), true},
      {VLT("c:\\WINDOWS\\system32\\x.dll"), true},
      {VLT("C:\\WindowsX\\notes.txt"), true},  // a plain prefix, not bounded at a backslash
      {VLT("C:\\Program Files\\App\\app.exe"), true},
      {VLT("C:\\Users\\Ann\\AppData\\Local\\Microsoft\\Windows\\Temporary Internet Files\\"
           "Content.IE5\\page.htm"), true},
      {VLT("C:\\Users\\Ann\\AppData\\Local\\Temp\\~x.tmp"), true},
      {VLT("C:\\Users\\Ann\\AppData\\Local\\Temperature.xls"), false},
      {VLT("C:\\$Recycle.Bin\\S-1-5-21\\$R1.doc"), true},
      {VLT("D:\\$RECYCLE.BIN\\S-1-5-21\\$R2.doc"), true},
      {VLT("E:\\Recycler\\S-1-5-21\\Dc1.doc"), true},
      {VLT("E:\\Recycler\\notes.txt"), false},
      {VLT("C:\\Users\\Ann\\$recycle.bin.txt"), false},
      {VLT("C:\\Users\\Ann\\Documents\\q1.xls"), false},
      {VLT("C:\\Win"), false},
      {VLT(""), false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(exclusions.Excludes(c.path), c.excluded) << String(c.path).size();
  }
}

}  // namespace
}  // namespace vl
