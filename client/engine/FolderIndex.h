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
  // The entry whose status could be read, or null: a listed entry whose path is too long to
  // query counts as missing, as its status would.
  const FolderEntry* Readable(StringView name) const;
  // Whether the status of folder [\] name could be read, and if so whether it is a folder.
  bool Find(StringView name, bool& isFolder) const;

 private:
  // Names in any letter case, hashed and compared folded without a folded copy of each: an
  // analysis looks up every entry of a whole drive.
  struct FoldedHash {
    size_t operator()(StringView name) const;
  };
  struct FoldedEqual {
    bool operator()(StringView a, StringView b) const;
  };

  String m_folder;
  std::vector<FolderEntry> m_entries;
  // name (a view of the entry's own) -> entry index
  std::unordered_map<StringView, size_t, FoldedHash, FoldedEqual> m_byName;
};

}  // namespace vl
