// The file-system contract, run against the fake.
#include <gtest/gtest.h>

#include "client/model/PathJoin.h"
#include "tests/support/FakeFileSystem.h"
#include "tests/support/FileSystemContract.h"

namespace vl::test {
namespace {

class FakeWorld : public FsContractWorld {
 public:
  FakeWorld() {
    m_fs.AddVolume(VLT("C:\\"), 0x1234ABCD, VLT("NTFS"));
    m_fs.AddFolder(Root());
  }
  IFileSystem& Fs() override { return m_fs; }
  String Root() const override { return VLT("C:\\scratch"); }
  void WriteFile(const String& path, const std::string& bytes) override {
    m_fs.AddFileWithContent(path, bytes, 1'300'000'000);
  }
  std::string ReadFile(const String& path) override { return m_fs.Content(path); }
  void HoldOpen(const String& path) override { m_fs.SetLocked(path, true); }

 private:
  FakeFileSystem m_fs;
};

INSTANTIATE_TEST_SUITE_P(Fake, FileSystemContract,
                         ::testing::Values(FsContractTarget{
                             "Fake", [] { return std::make_unique<FakeWorld>(); }}),
                         FsContractTargetName);

}  // namespace
}  // namespace vl::test
