// Which typed install folders can take the files: only absolute ones, without the characters
// Windows refuses, whose longest file and its temporary name stay below MAX_PATH.
#include <gtest/gtest.h>

#include "installer/logic/FolderText.h"

namespace vl::installer {
namespace {

// "D:\" and n letters: the client's temporary name beside it is n + 25 characters long.
String FolderOfLength(size_t letters) { return VLT("D:\\") + String(letters, 'a'); }

TEST(FolderText, AcceptsOnlyAbsoluteFoldersTheFileSystemCanTake) {
  const struct {
    String folder;
    bool usable;
  } cases[] = {
      {VLT("D:\\Apps"), true},
      {VLT("D:\\Apps\\"), true},
      {VLT("d:/Apps"), true},
      {VLT("D:\\"), true},
      {VLT("\\\\nas\\share\\apps"), true},
      {VLT("\\\\nas\\share"), true},
      {String(), false},
      {VLT("Apps"), false},
      {VLT("D:Apps"), false},
      {VLT("\\Apps"), false},
      {VLT("\\\\nas"), false},
      {VLT("\\\\nas\\"), false},
      {VLT("\\\\\\share"), false},
      {VLT("D:\\Ap?ps"), false},
      {VLT("D:\\Ap:ps"), false},
      {VLT("D:\\Ap\tps"), false},
      {VLT("\\\\?\\D:\\Apps"), false},
      {FolderOfLength(234), true},
      {FolderOfLength(235), false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(IsUsableInstallFolder(c.folder), c.usable) << c.folder.size();
  }
}

}  // namespace
}  // namespace vl::installer
