#include <gtest/gtest.h>

#include "client/model/Source.h"
#include "core/fs/FileSystem.h"
#include "tests/support/FakeFileSystem.h"

namespace vl {
namespace {

struct NameCase {
  const Char* path;
  const Char* name;
};

TEST(SourceItemName, IsTheTextAfterTheLastBackslash) {
  const NameCase cases[] = {
      {VLT("C:\\Data\\Work"), VLT("Work")},
      {VLT("C:\\Data\\report.doc"), VLT("report.doc")},
      {VLT("\\\\10.0.0.5\\share\\Docs"), VLT("Docs")},
      {VLT("D:\\"), VLT("D:\\")},                  // a drive root goes by its whole path
      {VLT("C:\\Data\\"), VLT("C:\\Data\\")},
      {VLT("Work"), VLT("Work")},                  // no backslash
      {VLT(""), VLT("")},
  };
  for (const NameCase& c : cases) {
    CSource source;
    source.path = c.path;
    EXPECT_EQ(source.GetItemName(), c.name);
  }
}

struct TargetCase {
  const Char* path;
  const Char* targetFolder;
  const Char* target;
};

TEST(SourceTargetPath, IsTheNameBelowTheTargetFolder) {
  const TargetCase cases[] = {
      {VLT("C:\\Data\\Work"), VLT("\\\\10.0.0.5\\share\\Backup"),
       VLT("\\\\10.0.0.5\\share\\Backup\\Work")},
      {VLT("C:\\Data\\Work"), VLT("E:\\"), VLT("E:\\Work")},
      {VLT("C:\\Data\\Work"), VLT("E:\\Backup\\"), VLT("E:\\Backup\\Work")},
      {VLT("D:\\"), VLT("\\\\10.0.0.5\\share\\Backup"), VLT("\\\\10.0.0.5\\share\\Backup")},
      {VLT("Work"), VLT("E:\\B"), VLT("E:\\B")},  // the name is the whole path
      {VLT("C:\\a"), VLT(""), VLT("\\a")},
  };
  for (const TargetCase& c : cases) {
    CSource source;
    source.path = c.path;
    source.targetFolder = c.targetFolder;
    EXPECT_EQ(source.MakeTargetPath(), c.target);
  }
}

TEST(SourceIsFile, OnlyAnExistingNonFolder) {
  test::FakeFileSystem fs;
  fs.AddVolume(VLT("C:\\"), 1, VLT("NTFS"));
  fs.AddFile(VLT("C:\\a.txt"), 3, 0);
  fs.SetRawAttributes(VLT("C:\\a.txt"), kAttrArchive | kAttrReadOnly);
  fs.AddFolder(VLT("C:\\Data"));
  CSource source;
  const std::pair<const Char*, bool> cases[] = {
      {VLT("C:\\a.txt"), true},
      {VLT("C:\\Data"), false},
      {VLT("C:\\gone"), false},
  };
  for (const auto& [path, isFile] : cases) {
    source.path = path;
    EXPECT_EQ(source.IsFile(fs), isFile);
  }
  fs.ResetCounts();
  source.path.clear();
  EXPECT_FALSE(source.IsFile(fs));
  EXPECT_EQ(fs.TotalStatusQueries(), 0u);  // an empty path is never asked about
}

}  // namespace
}  // namespace vl
