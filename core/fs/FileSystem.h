#pragma once
// The seam between the backup logic and the file system. The Win32 implementation lives in
// win32/; tests use an in-memory fake with Windows semantics. Grows with the engine.
#include <cstdint>

#include "core/base/String.h"

namespace vl {

// Attribute bits as Windows reports them.
enum : uint32_t {
  kAttrReadOnly = 0x01,
  kAttrHidden = 0x02,
  kAttrSystem = 0x04,
  kAttrDirectory = 0x10,
  kAttrArchive = 0x20,
};

struct FileStatus {
  uint32_t attributes = 0;
  uint64_t size = 0;
  bool IsFolder() const { return (attributes & kAttrDirectory) != 0; }
};

class IFileSystem {
 public:
  virtual ~IFileSystem() = default;
  // Status of one path; false when it does not exist or cannot be read.
  virtual bool GetStatus(const String& path, FileStatus& status) const = 0;
};

}  // namespace vl
