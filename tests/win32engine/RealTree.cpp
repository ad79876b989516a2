#include "tests/win32engine/RealTree.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "client/engine/PathUtil.h"
#include "client/platform/FileSystemWin32.h"
#include "core/text/Utf.h"
#include "tests/win32/TempFolder.h"

namespace vl::test {
namespace {

uint64_t Digest(const std::string& bytes) {
  uint64_t hash = 1469598103934665603ull;  // FNV-1a
  for (unsigned char c : bytes) hash = (hash ^ c) * 1099511628211ull;
  return hash;
}

void CollectLines(const platform::FileSystemWin32& fs, const String& folder, const String& relative,
                  const String& skipName, std::vector<std::string>& lines) {
  std::vector<FolderEntry> entries;
  fs.ListFolder(folder, entries);
  for (const FolderEntry& entry : entries) {
    if (!skipName.empty() && EqualsNoCase(entry.name, skipName)) continue;
    const String path = relative + entry.name;
    FileStatus status;
    fs.GetStatus(entry.path, status);
    if (entry.isFolder) {
      lines.push_back(ToUtf8(path) + "\\");
      CollectLines(fs, entry.path, path + L"\\", skipName, lines);
      continue;
    }
    lines.push_back(ToUtf8(path) + " " + std::to_string(status.size) + " bytes, written " +
                    std::to_string(status.lastWriteTime) + ", digest " +
                    std::to_string(Digest(FileText(entry.path))));
  }
}

}  // namespace

void MakeFile(const String& path, const std::string& bytes, int64_t localSeconds) {
  ASSERT_TRUE(WriteFileBytes(path, bytes)) << GetLastError();
  platform::FileSystemWin32 fs;
  ASSERT_TRUE(fs.SetFileTimes(path, localSeconds, localSeconds, localSeconds).Ok());
}

void MakeFolder(const String& path) { ASSERT_TRUE(CreateDirectoryW(path.c_str(), nullptr)); }

void SetReadOnly(const String& path, bool readOnly) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES);
  const DWORD wanted = readOnly ? (attributes | FILE_ATTRIBUTE_READONLY)
                                : (attributes & ~DWORD{FILE_ATTRIBUTE_READONLY});
  ASSERT_TRUE(SetFileAttributesW(path.c_str(), wanted));
}

bool IsReadOnly(const String& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
}

std::string FileText(const String& path) {
  std::string bytes;
  return ReadFileBytes(path, bytes) ? bytes : std::string();
}

std::string TreeText(const String& root, const String& skipName) {
  platform::FileSystemWin32 fs;
  std::vector<std::string> lines;
  CollectLines(fs, root, String(), skipName, lines);
  std::sort(lines.begin(), lines.end());
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}

}  // namespace vl::test
