#include "client/engine/FolderIndex.h"

#include "client/engine/PathUtil.h"
#include "client/model/PathJoin.h"

namespace vl {

FolderIndex::FolderIndex(const IFileSystem& fs, String folder)
    : m_fs(fs), m_folder(std::move(folder)) {
  m_listed = m_fs.ListFolder(m_folder, m_entries);
  for (size_t i = 0; i < m_entries.size(); ++i) m_byName.emplace(FoldName(m_entries[i].name), i);
}

bool FolderIndex::Find(StringView name, bool& isFolder) const {
  if (!m_listed) {
    FileStatus status;
    if (!m_fs.GetStatus(model::JoinPath(m_folder, name), status)) return false;
    isFolder = status.IsFolder();
    return true;
  }
  const auto found = m_byName.find(FoldName(name));
  if (found == m_byName.end()) return false;
  const FolderEntry& entry = m_entries[found->second];
  if (entry.path.size() >= kMaxPathChars) return false;
  isFolder = entry.isFolder;
  return true;
}

}  // namespace vl
