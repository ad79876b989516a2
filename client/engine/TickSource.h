#pragma once
// The platform's millisecond tick count (32 bits, wrapping after about 49.7 days), injectable
// so that the timer and merge rules built on it can be tested without waiting.
#include <cstdint>

namespace vl {

class ITickSource {
 public:
  virtual ~ITickSource() = default;
  virtual uint32_t TickCount() const = 0;
};

// Milliseconds from an earlier tick to a later one; right across a wrap of the counter, as
// long as less than one full turn lies between them.
inline uint32_t TicksSince(uint32_t earlier, uint32_t now) { return now - earlier; }

}  // namespace vl
