#include "bench/TreeMeasure.h"

#include "client/model/JobItem.h"

namespace vl::bench {
namespace {

// Short strings live inside the string object; only longer ones own heap storage.
uint64_t HeapTextBytes(const String& text) {
  const auto* data = reinterpret_cast<const char*>(text.data());
  const auto* self = reinterpret_cast<const char*>(&text);
  if (data >= self && data < self + sizeof(text)) return 0;
  return (text.capacity() + 1) * sizeof(Char);
}

void Add(TreeSize& size, const CJobItem& job) {
  ++size.nodes;
  if (job.isFolder) ++size.folderNodes;
  size.nodeBytes += sizeof(CSyncItem);
  // Paths are derived from the names below a top-level job; the few stored ones are not counted.
  size.textBytes += HeapTextBytes(job.name);
  size.listBytes += job.children.capacity() * sizeof(job.children[0]);
  for (const auto& child : job.children) Add(size, *child);
}

}  // namespace

TreeSize MeasureTree(const JobList& jobs) {
  TreeSize size;
  for (const auto& job : jobs) Add(size, *job);
  return size;
}

}  // namespace vl::bench
