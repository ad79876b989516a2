#include "client/engine/FolderIndex.h"

#include "client/engine/PathUtil.h"

namespace vl {

size_t FolderIndex::FoldedHash::operator()(StringView name) const {
  size_t hash = 14695981039346656037ull & SIZE_MAX;  // FNV-1a over the folded code units
  for (const Char c : name) hash = (hash ^ static_cast<size_t>(FoldCase(c))) * 1099511628211ull;
  return hash;
}

bool FolderIndex::FoldedEqual::operator()(StringView a, StringView b) const {
  return EqualsNoCase(a, b);
}

// The entries never move once the index holds them, so the keys may view their names.
FolderIndex::FolderIndex(String folder, std::vector<FolderEntry> entries)
    : m_folder(std::move(folder)), m_entries(std::move(entries)) {
  m_byName.reserve(m_entries.size());
  for (size_t i = 0; i < m_entries.size(); ++i) m_byName.emplace(m_entries[i].name, i);
}

const FolderEntry* FolderIndex::Listed(StringView name) const {
  const auto found = m_byName.find(name);
  return found == m_byName.end() ? nullptr : &m_entries[found->second];
}

const FolderEntry* FolderIndex::Readable(StringView name) const {
  const FolderEntry* entry = Listed(name);
  return entry == nullptr || entry->path.size() >= kMaxPathChars ? nullptr : entry;
}

bool FolderIndex::Find(StringView name, bool& isFolder) const {
  const FolderEntry* entry = Readable(name);
  if (entry == nullptr) return false;
  isFolder = entry->isFolder;
  return true;
}

}  // namespace vl
