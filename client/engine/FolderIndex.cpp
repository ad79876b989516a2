#include "client/engine/FolderIndex.h"

#include "client/engine/PathUtil.h"

namespace vl {

FolderIndex::FolderIndex(String folder, std::vector<FolderEntry> entries)
    : m_folder(std::move(folder)), m_entries(std::move(entries)) {
  for (size_t i = 0; i < m_entries.size(); ++i) m_byName.emplace(FoldName(m_entries[i].name), i);
}

const FolderEntry* FolderIndex::Listed(StringView name) const {
  const auto found = m_byName.find(FoldName(name));
  return found == m_byName.end() ? nullptr : &m_entries[found->second];
}

bool FolderIndex::Find(StringView name, bool& isFolder) const {
  const FolderEntry* entry = Listed(name);
  if (entry == nullptr || entry->path.size() >= kMaxPathChars) return false;
  isFolder = entry->isFolder;
  return true;
}

}  // namespace vl
