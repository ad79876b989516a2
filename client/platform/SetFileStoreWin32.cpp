#include "client/platform/SetFileStoreWin32.h"

#include <algorithm>

#include "client/platform/StoreErrorMap.h"
#include "win32/handles/FileHandle.h"

namespace vl::platform {
namespace {

using win32::FileHandle;

// Large enough to keep the number of calls small, small enough that the count fits a DWORD.
constexpr size_t kChunkBytes = 1u << 20;

bool ReadExactly(const FileHandle& file, uint8_t* data, size_t size) {
  size_t done = 0;
  while (done < size) {
    const DWORD want = static_cast<DWORD>(std::min(kChunkBytes, size - done));
    DWORD got = 0;
    if (!ReadFile(file.Get(), data + done, want, &got, nullptr)) return false;
    if (got == 0) {
      // The file shrank while we held it; it is not the set we measured.
      SetLastError(ERROR_HANDLE_EOF);
      return false;
    }
    done += got;
  }
  return true;
}

bool WriteExactly(const FileHandle& file, const uint8_t* data, size_t size) {
  size_t done = 0;
  while (done < size) {
    const DWORD want = static_cast<DWORD>(std::min(kChunkBytes, size - done));
    DWORD put = 0;
    if (!WriteFile(file.Get(), data + done, want, &put, nullptr)) return false;
    if (put == 0) {
      // A device that accepts nothing would otherwise keep us here for ever.
      SetLastError(ERROR_WRITE_FAULT);
      return false;
    }
    done += put;
  }
  return true;
}

// Creates tmp, fills it and closes it; false with GetLastError on the first failure.
bool WriteWholeFile(const String& tmp, const std::vector<uint8_t>& bytes, bool& created) {
  FileHandle file;
  created = file.Open(tmp, GENERIC_READ | GENERIC_WRITE, 0, CREATE_ALWAYS);
  if (!created) return false;
  if (!WriteExactly(file, bytes.data(), bytes.size())) return false;
  if (!FlushFileBuffers(file.Get())) return false;
  return file.Close();
}

}  // namespace

bool SetFileStoreWin32::FileExists(const String& path) const {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

StoreResult SetFileStoreWin32::ReadAll(const String& path, std::vector<uint8_t>& bytes) const {
  FileHandle file;
  if (!file.Open(path, GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN))
    return StoreFailure(GetLastError());
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.Get(), &size)) return StoreFailure(GetLastError());
  if (static_cast<uint64_t>(size.QuadPart) > kMaxSetFileBytes) {
    StoreResult tooLarge;
    tooLarge.error = StoreError::TooLarge;
    return tooLarge;
  }
  std::vector<uint8_t> content(static_cast<size_t>(size.QuadPart));
  if (!ReadExactly(file, content.data(), content.size())) return StoreFailure(GetLastError());
  bytes.swap(content);
  return {};
}

StoreResult SetFileStoreWin32::WriteReplacing(const String& path,
                                              const std::vector<uint8_t>& bytes) {
  const String tmp = TempPathFor(path);
  bool created = false;
  if (WriteWholeFile(tmp, bytes, created) &&
      MoveFileExW(tmp.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    return {};
  const DWORD code = GetLastError();
  // Only a temporary file we made ourselves is removed; whatever else sits there is not ours.
  if (created) DeleteFileW(tmp.c_str());
  return StoreFailure(code);
}

}  // namespace vl::platform
