#pragma once
// The behaviour every IFileSystem must show, as one GoogleTest suite run against each
// implementation: the fake in the host tree, the Win32 one on real files under Wine. A tree
// instantiates it with a factory for its implementation:
//
//   INSTANTIATE_TEST_SUITE_P(Fake, FileSystemContract,
//                            ::testing::Values(FsContractTarget{"Fake", MakeFakeWorld}),
//                            FsContractTargetName);
//
// The tests reach the file system only through IFileSystem; the world seeds and reads files.
#include <functional>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "core/fs/FileSystem.h"

namespace vl::test {

// One file system under test and a scratch folder to work in.
class FsContractWorld {
 public:
  virtual ~FsContractWorld() = default;
  virtual IFileSystem& Fs() = 0;
  // An existing, empty folder on a drive-letter volume, not ending with a backslash; the
  // world removes it with everything below it (read-only files included) when destroyed.
  virtual String Root() const = 0;
  // Makes a file holding bytes, whatever the length of its path, in an existing folder.
  virtual void WriteFile(const String& path, const std::string& bytes) = 0;
  virtual std::string ReadFile(const String& path) = 0;
  // Keeps an existing file open as another program would (reading, sharing reading only)
  // until the world is destroyed.
  virtual void HoldOpen(const String& path) = 0;
  // false where a creation time that is set reads back as the last-write time instead.
  virtual bool KeepsCreationTimes() const { return true; }
};

struct FsContractTarget {
  std::string name;
  std::function<std::unique_ptr<FsContractWorld>()> make;
};

std::string FsContractTargetName(const ::testing::TestParamInfo<FsContractTarget>& info);

class FileSystemContract : public ::testing::TestWithParam<FsContractTarget> {
 protected:
  void SetUp() override;

  IFileSystem& Fs() { return m_world->Fs(); }
  // The scratch root [\] relative.
  String Path(StringView relative) const;
  // A file below the scratch root with the given bytes.
  String Seed(StringView relative, const std::string& bytes);
  std::string Read(const String& path) { return m_world->ReadFile(path); }

  std::unique_ptr<FsContractWorld> m_world;
};

}  // namespace vl::test
