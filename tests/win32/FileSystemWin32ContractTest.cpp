// The shared file-system contract, run against the Win32 implementation on real files.
#include <windows.h>

#include "client/platform/FileSystemWin32.h"
#include "tests/support/FileSystemContract.h"
#include "tests/win32/TempFolder.h"
#include "win32/handles/FileHandle.h"

namespace vl::test {
namespace {

// Long paths are written through the \\?\ form, which the file system under test never uses.
String LongForm(const String& path) { return L"\\\\?\\" + path; }

class Win32World : public FsContractWorld {
 public:
  IFileSystem& Fs() override { return m_fs; }
  String Root() const override { return m_folder.Path(); }
  void WriteFile(const String& path, const std::string& bytes) override {
    ASSERT_TRUE(WriteFileBytes(LongForm(path), bytes)) << GetLastError();
  }
  std::string ReadFile(const String& path) override {
    std::string bytes;
    EXPECT_TRUE(ReadFileBytes(LongForm(path), bytes)) << GetLastError();
    return bytes;
  }

 private:
  TempFolder m_folder;
  platform::FileSystemWin32 m_fs;
};

std::unique_ptr<FsContractWorld> MakeWin32World() { return std::make_unique<Win32World>(); }

INSTANTIATE_TEST_SUITE_P(Win32, FileSystemContract,
                         ::testing::Values(FsContractTarget{"Win32", MakeWin32World}),
                         FsContractTargetName);

}  // namespace
}  // namespace vl::test
