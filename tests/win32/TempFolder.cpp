#include "tests/win32/TempFolder.h"

#include <windows.h>

#include <atomic>
#include <string>

#include "client/model/PathJoin.h"
#include "win32/handles/FileHandle.h"
#include "win32/handles/FindHandle.h"

namespace vl::test {
namespace {

bool IsDotEntry(const wchar_t* name) {
  return name[0] == L'.' && (name[1] == L'\0' || (name[1] == L'.' && name[2] == L'\0'));
}

bool RemoveTreeOnce(const String& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return true;
  if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    return DeleteFileW(path.c_str()) != FALSE;
  }
  WIN32_FIND_DATAW entry{};
  win32::FindHandle find;
  for (bool more = find.First(model::JoinPath(path, VLT("*")), entry); more;
       more = find.Next(entry)) {
    if (!IsDotEntry(entry.cFileName)) RemoveTreeOnce(model::JoinPath(path, entry.cFileName));
  }
  find.Close();
  return RemoveDirectoryW(path.c_str()) != FALSE;
}

}  // namespace

TempFolder::TempFolder() {
  static std::atomic<unsigned> counter{0};
  wchar_t base[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, base);
  m_path = model::JoinPath(base, L"vltest-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                                     std::to_wstring(GetTickCount()) + L"-" +
                                     std::to_wstring(counter++));
  CreateDirectoryW(m_path.c_str(), nullptr);
}

TempFolder::~TempFolder() { RemoveTree(m_path); }

String TempFolder::operator/(const String& name) const { return model::JoinPath(m_path, name); }

bool RemoveTree(const String& path) {
  for (int attempt = 0; attempt < 20; ++attempt) {
    if (RemoveTreeOnce(path)) return true;
    Sleep(100);
  }
  return false;
}

bool WriteFileBytes(const String& path, const std::string& bytes) {
  win32::FileHandle file;
  if (!file.Open(path, GENERIC_WRITE, 0, CREATE_ALWAYS)) return false;
  DWORD written = 0;
  return WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                   nullptr) &&
         written == bytes.size();
}

bool ReadFileBytes(const String& path, std::string& bytes) {
  win32::FileHandle file;
  if (!file.Open(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_EXISTING))
    return false;
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.Get(), &size)) return false;
  bytes.assign(static_cast<size_t>(size.QuadPart), '\0');
  DWORD read = 0;
  return bytes.empty() || (ReadFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()),
                                    &read, nullptr) &&
                           read == bytes.size());
}

bool PathIsFolder(const String& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool PathIsFile(const String& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace vl::test
