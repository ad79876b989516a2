#pragma once
// One node of the job tree a backup run builds from the items and then executes.
#include <cstdint>
#include <memory>
#include <vector>

#include "core/base/String.h"

namespace vl {

class CJobItem {
 public:
  virtual ~CJobItem() = default;

  int32_t isFolder = 0;  // 1 for a folder node, 0 for a file node
  String targetPath;
  String sourcePath;
  String name;           // used in progress texts and history names
  uint64_t size = 0;     // bytes of a file node; 0 for folders
  int32_t isNew = 0;     // 1 when the node did not exist at the target at analysis time
  std::vector<std::unique_ptr<CJobItem>> children;  // owned; a folder's contents
  uint32_t action = 0;

  // Bytes of this file node, or of every file node below this folder node.
  uint64_t TotalSize() const;
};

// The only kind of node the engine creates; everything lives in the base.
class CSyncItem : public CJobItem {};

}  // namespace vl
