#pragma once
// Whether real-time backup may take a source file now.
#include <cstdint>

#include "core/base/String.h"

namespace vl {

class IFileSystem;

enum : int32_t {
  OWNERSHIP_MISSING = -2,    // its status cannot be read
  OWNERSHIP_READ_ONLY = -1,  // read-only, and clearing the bit did not help
  OWNERSHIP_HELD = 0,        // another program holds it open: try again later
  OWNERSHIP_FREE = 1,        // a file that can be read with no sharing, or a folder
};

// A read-only source file loses its read-only bit first (on the source itself).
int32_t CheckOwnership(IFileSystem& fs, const String& path);

}  // namespace vl
