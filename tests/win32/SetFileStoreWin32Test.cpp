// The set-file store on real files: what the model relies on when it loads and saves.
#include <gtest/gtest.h>
#include <windows.h>

#include "client/platform/SetFileStoreWin32.h"
#include "tests/win32/TempFolder.h"
#include "win32/handles/FileHandle.h"

namespace vl {
namespace {

using test::ReadFileBytes;
using test::TempFolder;
using test::WriteFileBytes;
using platform::SetFileStoreWin32;

std::vector<uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

TEST(SetFileStoreWin32, WrittenBytesReadBackUnchanged) {
  TempFolder folder;
  SetFileStoreWin32 store;
  const String path = folder / L"Default.bsf";
  std::vector<uint8_t> content;
  for (int i = 0; i < 70000; ++i) content.push_back(static_cast<uint8_t>(i * 7));

  ASSERT_TRUE(store.WriteReplacing(path, content).Ok());
  std::vector<uint8_t> read;
  ASSERT_TRUE(store.ReadAll(path, read).Ok());
  EXPECT_EQ(read, content);
  EXPECT_FALSE(test::PathIsFile(SetFileStoreWin32::TempPathFor(path)));
}

TEST(SetFileStoreWin32, ReplacesAnExistingFileWhole) {
  TempFolder folder;
  SetFileStoreWin32 store;
  const String path = folder / L"Default.bsf";
  ASSERT_TRUE(WriteFileBytes(path, "a much longer old content"));

  ASSERT_TRUE(store.WriteReplacing(path, Bytes("new")).Ok());
  std::string onDisk;
  ASSERT_TRUE(ReadFileBytes(path, onDisk));
  EXPECT_EQ(onDisk, "new");
}

TEST(SetFileStoreWin32, EmptyContentMakesAnEmptyFile) {
  TempFolder folder;
  SetFileStoreWin32 store;
  const String path = folder / L"Empty.bsf";
  ASSERT_TRUE(store.WriteReplacing(path, {}).Ok());
  std::vector<uint8_t> read{1, 2, 3};
  ASSERT_TRUE(store.ReadAll(path, read).Ok());
  EXPECT_TRUE(read.empty());
}

TEST(SetFileStoreWin32, FailedWriteLeavesTheOldFileUntouched) {
  TempFolder folder;
  SetFileStoreWin32 store;
  const String path = folder / L"Default.bsf";
  const std::string old = "old set \x01\x02\xff bytes";
  ASSERT_TRUE(WriteFileBytes(path, old));
  // A folder where the temporary file has to go makes the write fail before the swap.
  const String blocker = SetFileStoreWin32::TempPathFor(path);
  ASSERT_TRUE(CreateDirectoryW(blocker.c_str(), nullptr));

  const StoreResult result = store.WriteReplacing(path, Bytes("replacement"));
  EXPECT_FALSE(result.Ok());
  EXPECT_NE(result.systemCode, 0u);
  std::string onDisk;
  ASSERT_TRUE(ReadFileBytes(path, onDisk));
  EXPECT_EQ(onDisk, old);
  EXPECT_TRUE(test::PathIsFolder(blocker)) << "something not ours was removed";
}

TEST(SetFileStoreWin32, FailedSwapRemovesTheTemporaryFile) {
  TempFolder folder;
  SetFileStoreWin32 store;
  const String path = folder / L"Default.bsf";
  ASSERT_TRUE(WriteFileBytes(path, "old"));
  // Holding the target without delete sharing makes the final move fail.
  win32::FileHandle holder;
  ASSERT_TRUE(holder.Open(path, GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING));

  const StoreResult result = store.WriteReplacing(path, Bytes("new"));
  EXPECT_FALSE(result.Ok());
  EXPECT_FALSE(test::PathIsFile(SetFileStoreWin32::TempPathFor(path)));
  holder.Close();
  std::string onDisk;
  ASSERT_TRUE(ReadFileBytes(path, onDisk));
  EXPECT_EQ(onDisk, "old");
}

TEST(SetFileStoreWin32, WriteIntoMissingFolderIsNotFound) {
  TempFolder folder;
  SetFileStoreWin32 store;
  const StoreResult result = store.WriteReplacing(folder / L"Missing\\Default.bsf", Bytes("x"));
  EXPECT_EQ(result.error, StoreError::NotFound);
  EXPECT_EQ(result.systemCode, static_cast<uint32_t>(ERROR_PATH_NOT_FOUND));
}

TEST(SetFileStoreWin32, MissingFileIsNotFound) {
  TempFolder folder;
  SetFileStoreWin32 store;
  std::vector<uint8_t> read;
  const StoreResult result = store.ReadAll(folder / L"None.bsf", read);
  EXPECT_EQ(result.error, StoreError::NotFound);
  EXPECT_EQ(result.systemCode, static_cast<uint32_t>(ERROR_FILE_NOT_FOUND));
}

TEST(SetFileStoreWin32, FileBeyondTheLimitIsRefusedUnread) {
  TempFolder folder;
  SetFileStoreWin32 store;
  const String path = folder / L"Huge.bsf";
  {
    win32::FileHandle file;
    ASSERT_TRUE(file.Open(path, GENERIC_WRITE, 0, CREATE_ALWAYS));
    LARGE_INTEGER size{};
    size.QuadPart = static_cast<LONGLONG>(kMaxSetFileBytes) + 1;
    ASSERT_TRUE(SetFilePointerEx(file.Get(), size, nullptr, FILE_BEGIN));
    ASSERT_TRUE(SetEndOfFile(file.Get()));
  }
  std::vector<uint8_t> read{9};
  const StoreResult result = store.ReadAll(path, read);
  EXPECT_EQ(result.error, StoreError::TooLarge);
  EXPECT_EQ(read, std::vector<uint8_t>{9});
}

TEST(SetFileStoreWin32, FileAtTheLimitIsNotTooLarge) {
  TempFolder folder;
  SetFileStoreWin32 store;
  const String path = folder / L"Limit.bsf";
  {
    win32::FileHandle file;
    ASSERT_TRUE(file.Open(path, GENERIC_WRITE, 0, CREATE_ALWAYS));
    LARGE_INTEGER size{};
    size.QuadPart = static_cast<LONGLONG>(kMaxSetFileBytes);
    ASSERT_TRUE(SetFilePointerEx(file.Get(), size, nullptr, FILE_BEGIN));
    ASSERT_TRUE(SetEndOfFile(file.Get()));
  }
  std::vector<uint8_t> read;
  EXPECT_TRUE(store.ReadAll(path, read).Ok());
  EXPECT_EQ(read.size(), kMaxSetFileBytes);
}

TEST(SetFileStoreWin32, ReadWhileAnotherHandleWritesIsASharingViolation) {
  TempFolder folder;
  SetFileStoreWin32 store;
  const String path = folder / L"Busy.bsf";
  ASSERT_TRUE(WriteFileBytes(path, "content"));
  win32::FileHandle writer;
  ASSERT_TRUE(writer.Open(path, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_EXISTING));

  std::vector<uint8_t> read;
  const StoreResult result = store.ReadAll(path, read);
  EXPECT_EQ(result.error, StoreError::SharingViolation);
  EXPECT_EQ(result.systemCode, static_cast<uint32_t>(ERROR_SHARING_VIOLATION));
}

TEST(SetFileStoreWin32, ReadAlongsideAnotherReaderSucceeds) {
  TempFolder folder;
  SetFileStoreWin32 store;
  const String path = folder / L"Shared.bsf";
  ASSERT_TRUE(WriteFileBytes(path, "content"));
  win32::FileHandle reader;
  ASSERT_TRUE(reader.Open(path, GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING));
  std::vector<uint8_t> read;
  EXPECT_TRUE(store.ReadAll(path, read).Ok());
  EXPECT_EQ(read, Bytes("content"));
}

TEST(SetFileStoreWin32, FileExistsOnlyForFiles) {
  TempFolder folder;
  SetFileStoreWin32 store;
  ASSERT_TRUE(WriteFileBytes(folder / L"a.bsf", "x"));
  ASSERT_TRUE(CreateDirectoryW((folder / L"x.bsf").c_str(), nullptr));
  EXPECT_TRUE(store.FileExists(folder / L"a.bsf"));
  EXPECT_FALSE(store.FileExists(folder / L"x.bsf"));
  EXPECT_FALSE(store.FileExists(folder / L"none.bsf"));
}

}  // namespace
}  // namespace vl
