#include <gtest/gtest.h>

#include "client/model/ErrorItem.h"
#include "client/model/JobItem.h"

namespace vl {
namespace {

std::unique_ptr<CJobItem> File(uint64_t size) {
  auto item = std::make_unique<CSyncItem>();
  item->size = size;
  return item;
}

std::unique_ptr<CJobItem> Folder() {
  auto item = std::make_unique<CSyncItem>();
  item->isFolder = 1;
  item->size = 1000;  // a folder's own size never counts
  return item;
}

TEST(JobItem, TotalSizeSumsTheFilesAtEveryDepth) {
  auto root = Folder();
  root->children.push_back(File(10));
  auto sub = Folder();
  sub->children.push_back(File(5));
  sub->children.push_back(Folder());
  sub->children.push_back(File(0x100000000ull));
  root->children.push_back(std::move(sub));
  EXPECT_EQ(root->TotalSize(), 15 + 0x100000000ull);
  EXPECT_EQ(File(42)->TotalSize(), 42u);
  EXPECT_EQ(Folder()->TotalSize(), 0u);
}

// The job tree of a deep path: one folder per character of a 260-character path.
TEST(JobItem, DeepTreeIsCountedAndFreed) {
  auto root = Folder();
  CJobItem* deepest = root.get();
  for (int depth = 0; depth < 260; ++depth) {
    deepest->children.push_back(Folder());
    deepest = deepest->children.back().get();
  }
  deepest->children.push_back(File(7));
  EXPECT_EQ(root->TotalSize(), 7u);
}

TEST(ErrorItem, HoldsPathAndMessage) {
  const CErrorItem error(VLT("C:\\a.txt"), VLT("Access denied"));
  EXPECT_EQ(error.path, VLT("C:\\a.txt"));
  EXPECT_EQ(error.message, VLT("Access denied"));
}

}  // namespace
}  // namespace vl
