#pragma once
// The backup-set file store on real files.
#include "client/model/SetFileStore.h"

namespace vl::platform {

class SetFileStoreWin32 : public ISetFileStore {
 public:
  // True for an existing file; a folder of that name does not count.
  bool FileExists(const String& path) const override;
  StoreResult ReadAll(const String& path, std::vector<uint8_t>& bytes) const override;
  // Writes beside the target first and swaps the new file in only after it is complete.
  StoreResult WriteReplacing(const String& path, const std::vector<uint8_t>& bytes) override;

  // Where WriteReplacing puts the new content before the swap.
  static String TempPathFor(const String& path) { return path + VLT(".new"); }
};

}  // namespace vl::platform
