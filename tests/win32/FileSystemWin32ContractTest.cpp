// The shared file-system contract, run against the Win32 implementation on real files.
#include <windows.h>

#include <vector>

#include "client/platform/FileSystemWin32.h"
#include "tests/support/FileSystemContract.h"
#include "tests/win32/TempFolder.h"
#include "win32/WineDetect.h"
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
  void HoldOpen(const String& path) override {
    m_held.emplace_back();
    ASSERT_TRUE(m_held.back().Open(path, GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING))
        << GetLastError();
  }
  // Wine on a Linux file system has nowhere to keep one.
  bool KeepsCreationTimes() const override { return !win32::IsRunningOnWine(); }

 private:
  TempFolder m_folder;
  // Closed before the folder is removed: members go in reverse order.
  std::vector<win32::FileHandle> m_held;
  platform::FileSystemWin32 m_fs;
};

std::unique_ptr<FsContractWorld> MakeWin32World() { return std::make_unique<Win32World>(); }

INSTANTIATE_TEST_SUITE_P(Win32, FileSystemContract,
                         ::testing::Values(FsContractTarget{"Win32", MakeWin32World}),
                         FsContractTargetName);

}  // namespace
}  // namespace vl::test
