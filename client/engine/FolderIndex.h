#pragma once
// One folder's listing, looked up by name in any letter case. The analysis lists each folder
// once and answers "does the other side have this entry?" from the listing instead of asking
// for the status of every path. Only a complete listing makes an index: a folder that could
// not be listed says nothing about what it holds.
#include <unordered_map>
#include <vector>

#include "core/base/String.h"
#include "core/fs/FileSystem.h"

namespace vl {

class FolderIndex {
 public:
  FolderIndex(String folder, std::vector<FolderEntry> entries);

  const String& Folder() const { return m_folder; }
  const std::vector<FolderEntry>& Entries() const { return m_entries; }

  // The listed entry of that name, or null.
  const FolderEntry* Listed(StringView name) const;
  // Whether the status of folder [\] name could be read, and if so whether it is a folder: a
  // listed entry whose path is too long to query counts as missing, as its status would.
  bool Find(StringView name, bool& isFolder) const;

 private:
  String m_folder;
  std::vector<FolderEntry> m_entries;
  std::unordered_map<String, size_t> m_byName;  // folded name -> entry index
};

}  // namespace vl
