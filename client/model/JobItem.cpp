#include "client/model/JobItem.h"

namespace vl {

uint64_t CJobItem::TotalSize() const {
  if (!isFolder) return size;
  uint64_t total = 0;
  for (const auto& child : children) total += child->TotalSize();
  return total;
}

}  // namespace vl
