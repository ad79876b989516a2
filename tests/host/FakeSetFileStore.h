#pragma once
// Set files in memory, with writes that can be made to fail the way a full or locked disk does.
#include <map>

#include "client/model/SetFileStore.h"

namespace vl::test {

class FakeSetFileStore : public ISetFileStore {
 public:
  std::map<String, std::vector<uint8_t>> files;
  StoreError failWritesWith = StoreError::None;
  int writeCalls = 0;

  bool FileExists(const String& path) const override { return files.count(path) != 0; }

  StoreResult ReadAll(const String& path, std::vector<uint8_t>& bytes) const override {
    const auto found = files.find(path);
    if (found == files.end()) return StoreResult{StoreError::NotFound, 2};
    bytes = found->second;
    return StoreResult{};
  }

  StoreResult WriteReplacing(const String& path, const std::vector<uint8_t>& bytes) override {
    ++writeCalls;
    if (failWritesWith != StoreError::None) return StoreResult{failWritesWith, 0};
    files[path] = bytes;
    return StoreResult{};
  }
};

}  // namespace vl::test
