#pragma once
// Putting a downloaded file in place without a moment in which the destination is missing or
// half written: the new file is copied beside the destination under a temporary name, flushed,
// checked for its size and moved over the destination in one step (written through). When any
// step fails, the temporary goes and the destination keeps its old file; one that is in use
// cannot be replaced and so stays as it was.
#include "updater/logic/UpdateServices.h"

namespace vl::updater {

class CFilePlacer : public IFilePlacer {
 public:
  bool Replace(const String& source, const String& destination, uint64_t size) override;
};

}  // namespace vl::updater
