#pragma once
// Where backup-set files are read from and written to. The Win32 implementation writes the new
// content beside the old file and swaps it in only after the write succeeded, so a failed save
// never destroys the user's only copy.
#include <cstdint>
#include <vector>

#include "core/base/String.h"

namespace vl {

enum class StoreError {
  None,
  NotFound,
  AccessDenied,
  SharingViolation,
  DiskFull,
  TooLarge,  // a file larger than any set file can be: refused before reading
  Other,
};

struct StoreResult {
  StoreError error = StoreError::None;
  uint32_t systemCode = 0;  // the platform's own error code, kept for diagnostics
  bool Ok() const { return error == StoreError::None; }
};

class ISetFileStore {
 public:
  virtual ~ISetFileStore() = default;
  virtual bool FileExists(const String& path) const = 0;
  // Reads the whole file, denying writes to others while it is open.
  virtual StoreResult ReadAll(const String& path, std::vector<uint8_t>& bytes) const = 0;
  // Replaces the file at path with bytes; on failure the old file is untouched.
  virtual StoreResult WriteReplacing(const String& path, const std::vector<uint8_t>& bytes) = 0;
};

// Largest set file we accept; far beyond any real set (100,000 items of 260 characters take
// about 53 MB), and small enough for a 32-bit process to hold.
constexpr uint64_t kMaxSetFileBytes = 64ull * 1024 * 1024;

}  // namespace vl
