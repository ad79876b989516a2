#pragma once
// One folder's listing, looked up by name in any letter case. The analysis lists each folder
// once and answers "does the other side have this entry?" from the listing instead of asking
// for the status of every path.
#include <unordered_map>
#include <vector>

#include "core/base/String.h"
#include "core/fs/FileSystem.h"

namespace vl {

class FolderIndex {
 public:
  FolderIndex(const IFileSystem& fs, String folder);

  const String& Folder() const { return m_folder; }
  const std::vector<FolderEntry>& Entries() const { return m_entries; }

  // Whether the status of folder [\] name could be read, and if so whether it is a folder.
  // A listed entry whose path is too long to query counts as missing, as its status would.
  // When the folder could not be listed the status itself is asked, so the answer does not
  // depend on the listing.
  bool Find(StringView name, bool& isFolder) const;

 private:
  const IFileSystem& m_fs;
  String m_folder;
  std::vector<FolderEntry> m_entries;
  bool m_listed = false;
  std::unordered_map<String, size_t> m_byName;  // folded name -> entry index
};

}  // namespace vl
