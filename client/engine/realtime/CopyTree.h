#pragma once
// Copying in the backup target for real-time backup: one file by the fail-safe replacement of
// SafeReplace.h, and a whole tree (the old target of a renamed item to its new name).
#include <cstdint>

#include "core/base/String.h"

namespace vl {

class IClock;
class IFileSystem;
class VolumeNameCache;

// What a real-time copy works with.
struct RealTimeCopier {
  IFileSystem& fs;
  const IClock& clock;
  VolumeNameCache& volumes;
  int32_t historyMode;  // HISTORY_MODE_ARCHIVE keeps the replaced version in _VLHistory
};

// Copies the file from to to, replacing what is there: the new version is complete under a
// partial name before the old one goes to history (or away, with overwriteOnly or in overwrite
// mode); the copy is made writable. A failure leaves the old target as it was.
bool CopyIntoTarget(const RealTimeCopier& copier, const String& from, const String& to,
                    bool overwriteOnly);

// Copies the file or folder from to to. A folder is created at to and its entries copied, each
// sub-folder named "_VLHistory" (any letter case) with inHistory set; a file whose target is
// current (TargetCurrent.h) is left, other targets are replaced, except inside a history folder
// (inHistory), where files are copied over without the test and without keeping history. Fails
// when from's status cannot be read, a folder cannot be listed, or any entry fails (the first
// failure ends the listing).
bool CopyTree(const RealTimeCopier& copier, const String& from, const String& to, bool inHistory);

}  // namespace vl
