#pragma once
// Texts by string-table id. The programs hand in their resources; portable code and its tests
// see only this interface.
#include <cstdint>

#include "core/base/String.h"

namespace vl {

class ITextProvider {
 public:
  virtual ~ITextProvider() = default;
  // The format string with the given id; empty when there is none.
  virtual String Text(uint32_t id) const = 0;
};

}  // namespace vl
