#pragma once
#include <cstddef>
#include <memory>
#include <vector>

#include "client/model/Source.h"

namespace vl {

// The backup items in the order they were added; owns its records.
class CSourceList {
 public:
  size_t GetCount() const { return m_items.size(); }
  bool IsEmpty() const { return m_items.empty(); }
  CSource& GetAt(size_t index) { return *m_items.at(index); }
  const CSource& GetAt(size_t index) const { return *m_items.at(index); }
  CSource& AddTail(std::unique_ptr<CSource> source) {
    m_items.push_back(std::move(source));
    return *m_items.back();
  }
  void RemoveAt(size_t index) { m_items.erase(m_items.begin() + static_cast<std::ptrdiff_t>(index)); }
  void RemoveAll() { m_items.clear(); }
  // Moves every record of other to the end of this list.
  void Append(CSourceList&& other) {
    for (auto& item : other.m_items) m_items.push_back(std::move(item));
    other.m_items.clear();
  }

  auto begin() { return m_items.begin(); }
  auto end() { return m_items.end(); }
  auto begin() const { return m_items.begin(); }
  auto end() const { return m_items.end(); }

 private:
  std::vector<std::unique_ptr<CSource>> m_items;
};

}  // namespace vl
