#include "tests/remover/FakeRemovalFileSystem.h"

#include "client/engine/PathUtil.h"
#include "remover/logic/FolderText.h"

namespace vl::test {

using remover::EntryKind;

void FakeRemovalFileSystem::MarkLink(const String& path) { m_links.insert(Canonical(path)); }

void FakeRemovalFileSystem::AddAlias(const String& alias, const String& target) {
  m_aliases[Canonical(alias)] = Canonical(target);
}

EntryKind FakeRemovalFileSystem::KindOf(const String& path) const {
  if (m_links.count(Canonical(path))) return EntryKind::Other;
  FileStatus status;
  const FsResult result = m_fs.GetStatus(path, status);
  if (result.Missing()) return EntryKind::Missing;
  if (!result) return EntryKind::Other;
  return status.IsFolder() ? EntryKind::Folder : EntryKind::File;
}

bool FakeRemovalFileSystem::ListFileNames(const String& folder,
                                          std::vector<String>& names) const {
  names.clear();
  std::vector<FolderEntry> entries;
  if (!m_fs.ListFolder(folder, entries)) return false;
  for (const FolderEntry& entry : entries) {
    if (!entry.isFolder) names.push_back(entry.name);
  }
  return true;
}

bool FakeRemovalFileSystem::SameFolder(const String& a, const String& b) const {
  return Canonical(a) == Canonical(b);
}

String FakeRemovalFileSystem::Canonical(const String& path) const {
  const String folded = FoldName(remover::WithoutFinalBackslash(path));
  const auto alias = m_aliases.find(folded);
  return alias == m_aliases.end() ? folded : alias->second;
}

}  // namespace vl::test
