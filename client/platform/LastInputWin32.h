#pragma once
// The system's last user input, for the idle rule of automatic backups.
#include "client/engine/LastInputSource.h"

namespace vl {

class LastInputWin32 : public ILastInputSource {
 public:
  bool LastInputTick(uint32_t& tick) const override;
};

}  // namespace vl
