#include "tests/gui/dialog/SourceTree.h"

#include <windows.h>

#include <string>

#include "client/model/PathJoin.h"
#include "tests/win32/TempFolder.h"
#include "win32/handles/FindHandle.h"

namespace vl::test {
namespace {

std::string Bytes(size_t size, size_t seed) {
  std::string bytes(size, '\0');
  for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>((i * 31 + seed * 7) & 0xFF);
  return bytes;
}

bool MakeFoldersOf(const String& path) {
  for (size_t slash = path.find(L'\\', 3); slash != String::npos;
       slash = path.find(L'\\', slash + 1)) {
    const String folder = path.substr(0, slash);
    if (!PathIsFolder(folder) && !::CreateDirectoryW(folder.c_str(), nullptr)) return false;
  }
  return true;
}

}  // namespace

bool MakeTree(const String& root, const std::vector<TreeFile>& files) {
  if (!MakeFoldersOf(root + L"\\")) return false;
  size_t seed = 0;
  for (const TreeFile& file : files) {
    const String path = model::JoinPath(root, file.relativePath);
    if (!MakeFoldersOf(path) || !WriteFileBytes(path, Bytes(file.size, ++seed))) return false;
  }
  return true;
}

bool ChangeFile(const String& path) {
  std::string bytes;
  return ReadFileBytes(path, bytes) && WriteFileBytes(path, Bytes(bytes.size() + 17, 99));
}

bool SameContent(const String& a, const String& b) {
  std::string first;
  std::string second;
  return ReadFileBytes(a, first) && ReadFileBytes(b, second) && first == second;
}

std::vector<String> ListNames(const String& folder) {
  std::vector<String> names;
  WIN32_FIND_DATAW entry{};
  win32::FindHandle find;
  for (bool more = find.First(model::JoinPath(folder, L"*.*"), entry); more;
       more = find.Next(entry)) {
    const String name = entry.cFileName;
    if (name != L"." && name != L"..") names.push_back(name);
  }
  return names;
}

}  // namespace vl::test
