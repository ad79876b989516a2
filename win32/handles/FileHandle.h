#pragma once
// A file opened with CreateFileW; INVALID_HANDLE_VALUE is "no handle". The calls on an open
// file return false with GetLastError holding the reason.
#include <cstdint>
#include <vector>

#include "core/base/String.h"
#include "win32/handles/UniqueHandle.h"

namespace vl::win32 {

struct FileHandleTraits {
  using Handle = HANDLE;
  static Handle Invalid() { return INVALID_HANDLE_VALUE; }
  static bool Close(Handle h) { return CloseHandle(h) != FALSE; }
};

class FileHandle : public UniqueHandle<FileHandleTraits> {
 public:
  // CreateFileW with the given rights; on false GetLastError holds the reason.
  bool Open(const String& path, DWORD access, DWORD share, DWORD disposition,
            DWORD flags = FILE_ATTRIBUTE_NORMAL) {
    Reset(CreateFileW(path.c_str(), access, share, nullptr, disposition, flags, nullptr));
    return IsValid();
  }

  // Times and attributes. Unlike GetFileInformationByHandle, which also wants the volume's
  // serial number and under Wine asks another process for it, this stays in the process.
  bool GetBasicInfo(FILE_BASIC_INFO& info) const {
    return GetFileInformationByHandleEx(Get(), FileBasicInfo, &info, sizeof info) != FALSE;
  }

  bool GetSize(uint64_t& size) const {
    LARGE_INTEGER bytes{};
    if (!GetFileSizeEx(Get(), &bytes)) return false;
    size = static_cast<uint64_t>(bytes.QuadPart);
    return true;
  }

  // Up to size bytes; read is 0 at the end of the file.
  bool Read(void* buffer, DWORD size, DWORD& read) const {
    return ReadFile(Get(), buffer, size, &read, nullptr) != FALSE;
  }

  // All size bytes.
  bool Write(const void* data, DWORD size) const {
    const auto* bytes = static_cast<const char*>(data);
    while (size > 0) {
      DWORD written = 0;
      if (!WriteFile(Get(), bytes, size, &written, nullptr)) return false;
      if (written == 0) {
        // A device that accepts nothing would otherwise keep us here for ever.
        SetLastError(ERROR_WRITE_FAULT);
        return false;
      }
      bytes += written;
      size -= written;
    }
    return true;
  }

  // The times and the attributes in one call; a time or attributes of zero stay as they are.
  bool SetBasicInfo(const FILE_BASIC_INFO& info) const {
    FILE_BASIC_INFO copy = info;  // the call takes a pointer to a modifiable record
    return SetFileInformationByHandle(Get(), FileBasicInfo, &copy, sizeof copy) != FALSE;
  }

  // Gives the open file (DELETE access) the full path; fails when that is taken.
  bool RenameTo(const String& path) const {
    const size_t nameBytes = path.size() * sizeof(wchar_t);
    // The record ends in the name, which must also end with a null character.
    std::vector<char> record(sizeof(FILE_RENAME_INFO) + nameBytes);
    auto* info = reinterpret_cast<FILE_RENAME_INFO*>(record.data());
    info->ReplaceIfExists = FALSE;
    info->RootDirectory = nullptr;
    info->FileNameLength = static_cast<DWORD>(nameBytes);
    path.copy(info->FileName, path.size());
    info->FileName[path.size()] = L'\0';
    return SetFileInformationByHandle(Get(), FileRenameInfo, info,
                                      static_cast<DWORD>(record.size())) != FALSE;
  }

  // Has the open file (DELETE access) removed once its last handle closes.
  bool MarkForDeletion() const {
    // Its one member is named after a macro of <windows.h>, so it is set by position.
    FILE_DISPOSITION_INFO info{TRUE};
    return SetFileInformationByHandle(Get(), FileDispositionInfo, &info, sizeof info) != FALSE;
  }
};

}  // namespace vl::win32
