#pragma once
// The tick source of the running system.
#include "client/engine/TickSource.h"

namespace vl {

class SystemTickSource : public ITickSource {
 public:
  uint32_t TickCount() const override;
};

}  // namespace vl
