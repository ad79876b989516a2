#include "installer/PayloadWriter.h"

#include "installer/logic/InstallPaths.h"
#include "win32/handles/FileHandle.h"

namespace vl::installer {
namespace {

constexpr const wchar_t* kPayloadType = L"IDR_EXE";
const WORD kPayloadLanguage = MAKELANGID(LANG_KOREAN, SUBLANG_KOREAN);

// GetLastError, or fallback where the call that failed set none.
uint32_t LastErrorOr(uint32_t fallback) {
  const DWORD code = ::GetLastError();
  return code ? code : fallback;
}

struct Bytes {
  const void* data = nullptr;
  DWORD size = 0;
};

uint32_t FindPayload(UINT resourceId, Bytes& bytes) {
  HRSRC found =
      ::FindResourceExW(nullptr, kPayloadType, MAKEINTRESOURCEW(resourceId), kPayloadLanguage);
  if (!found) return LastErrorOr(ERROR_RESOURCE_NAME_NOT_FOUND);
  HGLOBAL loaded = ::LoadResource(nullptr, found);
  bytes.data = loaded ? ::LockResource(loaded) : nullptr;
  bytes.size = ::SizeofResource(nullptr, found);
  return bytes.data && bytes.size ? 0 : LastErrorOr(ERROR_RESOURCE_DATA_NOT_FOUND);
}

// A write that stops short without an error is a full disk.
uint32_t WriteWhole(const String& path, const Bytes& bytes) {
  win32::FileHandle file;
  if (!file.Open(path, GENERIC_WRITE, 0, CREATE_ALWAYS)) return LastErrorOr(ERROR_OPEN_FAILED);
  DWORD written = 0;
  if (!::WriteFile(file.Get(), bytes.data, bytes.size, &written, nullptr))
    return LastErrorOr(ERROR_WRITE_FAULT);
  if (written != bytes.size) return ERROR_DISK_FULL;
  if (!::FlushFileBuffers(file.Get()) || !file.Close()) return LastErrorOr(ERROR_WRITE_FAULT);
  return 0;
}

}  // namespace

uint32_t WritePayloadResource(UINT resourceId, const String& path) {
  Bytes bytes;
  if (const uint32_t code = FindPayload(resourceId, bytes)) return code;
  const String temporary = TemporaryBeside(path);
  uint32_t code = WriteWhole(temporary, bytes);
  if (!code && !::MoveFileExW(temporary.c_str(), path.c_str(),
                              MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    code = LastErrorOr(ERROR_WRITE_FAULT);
  if (code) ::DeleteFileW(temporary.c_str());
  return code;
}

}  // namespace vl::installer
