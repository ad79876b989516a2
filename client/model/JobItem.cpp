#include "client/model/JobItem.h"

#include "client/model/PathJoin.h"

namespace vl {

void JobList::push_back(std::unique_ptr<CJobItem> job) {
  if (m_owner != nullptr) job->Adopt(m_owner);
  m_items.push_back(std::move(job));
}

CJobItem::~CJobItem() = default;

void CJobItem::SetPaths(const String& sourcePath, const String& targetPath) {
  m_paths = std::make_unique<Paths>(Paths{sourcePath, targetPath});
  if (m_parent != nullptr) Adopt(m_parent);
}

// Walks up to the nearest node that stores its paths, then joins the names on the way down;
// no recursion, since a tree may be as deep as a path is long.
String CJobItem::PathOf(String Paths::*side) const {
  std::vector<const CJobItem*> chain;
  const CJobItem* node = this;
  while (node->m_paths == nullptr && node->m_parent != nullptr) {
    chain.push_back(node);
    node = node->m_parent;
  }
  String path = node->m_paths != nullptr ? (*node->m_paths).*side : String();
  for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
    path = model::JoinPath(path, (*it)->name);
  }
  return path;
}

void CJobItem::Adopt(const CJobItem* parent) {
  m_parent = parent;
  if (m_paths == nullptr) return;
  std::unique_ptr<Paths> given = std::move(m_paths);
  if (sourcePath() != given->source || targetPath() != given->target) m_paths = std::move(given);
}

uint64_t CJobItem::TotalSize() const {
  if (!isFolder) return size;
  uint64_t total = 0;
  for (const auto& child : children) total += child->TotalSize();
  return total;
}

}  // namespace vl
