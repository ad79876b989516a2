#pragma once
// One node of the job tree a backup run builds from the items and then executes.
//
// A whole-drive item makes millions of nodes, and a 32-bit process cannot hold two full paths
// for each of them: a node below a folder keeps only its name and derives its paths from its
// parent's, as the analysis made them (the parent's path [\] name). Only a node whose paths do
// not follow that way (a top-level job, a partial copy's removal) stores them.
#include <cstdint>
#include <memory>
#include <vector>

#include "core/base/String.h"

namespace vl {

class CJobItem;

// A list of jobs in execution order: the run's top-level jobs, or a folder job's children.
// A folder's list gives the nodes added to it their parent.
class JobList {
 public:
  using Items = std::vector<std::unique_ptr<CJobItem>>;

  JobList() = default;
  explicit JobList(CJobItem* owner) : m_owner(owner) {}
  JobList(const JobList&) = delete;
  JobList& operator=(const JobList&) = delete;

  // Takes job; below a folder, a job whose stored paths are the derived ones drops them.
  void push_back(std::unique_ptr<CJobItem> job);
  void clear() { m_items.clear(); }

  size_t size() const { return m_items.size(); }
  bool empty() const { return m_items.empty(); }
  size_t capacity() const { return m_items.capacity(); }
  Items::const_iterator begin() const { return m_items.begin(); }
  Items::const_iterator end() const { return m_items.end(); }
  const std::unique_ptr<CJobItem>& front() const { return m_items.front(); }
  const std::unique_ptr<CJobItem>& back() const { return m_items.back(); }
  const std::unique_ptr<CJobItem>& operator[](size_t index) const { return m_items[index]; }

 private:
  CJobItem* m_owner = nullptr;
  Items m_items;
};

class CJobItem {
 public:
  CJobItem() = default;
  CJobItem(const CJobItem&) = delete;
  CJobItem& operator=(const CJobItem&) = delete;
  virtual ~CJobItem();

  int32_t isFolder = 0;  // 1 for a folder node, 0 for a file node
  String name;           // used in progress texts and history names
  uint64_t size = 0;     // bytes of a file node; 0 for folders
  int32_t isNew = 0;     // 1 when the node did not exist at the target at analysis time
  JobList children{this};  // owned; a folder's contents
  uint32_t action = 0;

  // The node's paths at the target and at the source.
  String targetPath() const { return PathOf(&Paths::target); }
  String sourcePath() const { return PathOf(&Paths::source); }
  void SetPaths(const String& sourcePath, const String& targetPath);

  // Bytes of this file node, or of every file node below this folder node.
  uint64_t TotalSize() const;

 private:
  friend class JobList;
  struct Paths {
    String source;
    String target;
  };

  String PathOf(String Paths::*side) const;
  // Becomes a child of parent; the stored paths go when the derived ones are the same.
  void Adopt(const CJobItem* parent);

  const CJobItem* m_parent = nullptr;
  std::unique_ptr<Paths> m_paths;  // null below a folder whose paths give this node's
};

// The only kind of node the engine creates; everything lives in the base.
class CSyncItem : public CJobItem {};

}  // namespace vl
