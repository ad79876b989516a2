#include "tests/support/FakeTree.h"

#include "client/engine/PathUtil.h"

namespace vl::test {
namespace {

// The parts of a path below its root; false when one is empty (a doubled backslash).
bool SplitParts(StringView rest, std::vector<StringView>& parts) {
  if (!rest.empty() && rest.back() == VLT('\\')) rest.remove_suffix(1);
  if (rest.empty()) return true;
  for (size_t start = 0;;) {
    const size_t slash = rest.find(VLT('\\'), start);
    const StringView part = rest.substr(start, slash == StringView::npos ? slash : slash - start);
    if (part.empty()) return false;
    parts.push_back(part);
    if (slash == StringView::npos) return true;
    start = slash + 1;
  }
}

}  // namespace

FakeNode* FakeNode::Child(StringView childName) const {
  for (const auto& child : children) {
    if (EqualsNoCase(child->name, childName)) return child.get();
  }
  return nullptr;
}

std::unique_ptr<FakeNode> FakeNode::Detach(const FakeNode* child) {
  for (auto it = children.begin(); it != children.end(); ++it) {
    if (it->get() != child) continue;
    std::unique_ptr<FakeNode> detached = std::move(*it);
    children.erase(it);
    return detached;
  }
  return nullptr;
}

FakeVolume& FakeTree::AddVolume(const String& root, uint32_t serial,
                                const String& fileSystemName) {
  auto volume = std::make_unique<FakeVolume>();
  volume->root = EndsWithBackslash(root) ? root : root + VLT('\\');
  volume->serial = serial;
  volume->fileSystemName = fileSystemName;
  volume->top.isFolder = true;
  m_volumes.push_back(std::move(volume));
  return *m_volumes.back();
}

const FakeVolume* FakeTree::FindVolume(StringView root) const {
  for (const auto& volume : m_volumes) {
    if (EqualsNoCase(volume->root, root)) return volume.get();
  }
  return nullptr;
}

const FakeVolume* FakeTree::VolumeOf(StringView path, size_t& rootLength) const {
  for (const auto& volume : m_volumes) {
    const StringView root = volume->root;
    const StringView bare = root.substr(0, root.size() - 1);
    if (EqualsNoCase(path.substr(0, root.size()), root)) {
      rootLength = root.size();
      return volume.get();
    }
    if (EqualsNoCase(path, bare)) {  // \\server\share without its final backslash
      rootLength = path.size();
      return volume.get();
    }
  }
  return nullptr;
}

FakeNode* FakeTree::Find(StringView path) const {
  size_t rootLength = 0;
  const FakeVolume* volume = VolumeOf(path, rootLength);
  std::vector<StringView> parts;
  if (volume == nullptr || !SplitParts(path.substr(rootLength), parts)) return nullptr;
  auto* node = const_cast<FakeNode*>(&volume->top);
  for (const StringView part : parts) {
    node = node->isFolder ? node->Child(part) : nullptr;
    if (node == nullptr) return nullptr;
  }
  const bool wantsFolder = path.size() > rootLength && EndsWithBackslash(path);
  return (wantsFolder && !node->isFolder) ? nullptr : node;
}

FakeNode* FakeTree::FindParent(StringView path, String& name) const {
  if (EndsWithBackslash(path)) path.remove_suffix(1);
  const size_t slash = path.rfind(VLT('\\'));
  if (slash == StringView::npos) return nullptr;
  size_t rootLength = 0;
  if (VolumeOf(path, rootLength) == nullptr || slash + 1 < rootLength) return nullptr;
  name = String(path.substr(slash + 1));
  if (name.empty()) return nullptr;
  FakeNode* parent = Find(path.substr(0, slash + 1));
  return (parent != nullptr && parent->isFolder) ? parent : nullptr;
}

}  // namespace vl::test
