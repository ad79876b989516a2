#pragma once
// When the user last touched the keyboard or mouse, on the clock of ITickSource: the idle rule
// of automatic backups reads it, and tests stand one in.
#include <cstdint>

namespace vl {

class ILastInputSource {
 public:
  virtual ~ILastInputSource() = default;
  // False when the system cannot say.
  virtual bool LastInputTick(uint32_t& tick) const = 0;
};

}  // namespace vl
