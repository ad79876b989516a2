#pragma once
// The storage behind FakeFileSystem: volumes of nested nodes, found by path the way Windows
// finds them (names in any letter case, a root such as C:\ or \\server\share\ first).
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/base/String.h"

namespace vl::test {

struct FakeNode {
  String name;  // as created; looked up in any case
  bool isFolder = false;
  uint32_t attributes = 0;  // without the directory bit, which isFolder stands for
  std::string content;
  int64_t creationTime = 0;
  int64_t lastAccessTime = 0;
  int64_t lastWriteTime = 0;
  bool locked = false;  // open elsewhere without sharing
  std::vector<std::unique_ptr<FakeNode>> children;  // in creation order, the listing order

  FakeNode* Child(StringView childName) const;
  // Removes and returns the child; null when there is none.
  std::unique_ptr<FakeNode> Detach(const FakeNode* child);
};

struct FakeVolume {
  String root;  // ends with a backslash
  uint32_t serial = 0;
  String fileSystemName;
  FakeNode top;
};

class FakeTree {
 public:
  // root: C:\ or \\server\share\ (a missing final backslash is added).
  FakeVolume& AddVolume(const String& root, uint32_t serial, const String& fileSystemName);
  const FakeVolume* FindVolume(StringView root) const;

  // The node a path names, or null. A path ending with a backslash must name a folder.
  FakeNode* Find(StringView path) const;
  // The folder that would hold path's last part, and that part; null when the path has no
  // parent folder (a root, or no volume) or the parent is missing.
  FakeNode* FindParent(StringView path, String& name) const;

 private:
  const FakeVolume* VolumeOf(StringView path, size_t& rootLength) const;
  std::vector<std::unique_ptr<FakeVolume>> m_volumes;
};

}  // namespace vl::test
