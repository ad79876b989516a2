#pragma once
// Adding a folder as a backup item: its volume's serial number is captured so that the item can
// be found again when the volume changes letter, and the same folder on the same volume is
// refused. The dialog shows the refusal (IDS_MSG_ALREADY_REGISTERED), lists, selects and saves;
// vlbackup's add goes through the same rule, so both refuse the same paths.
#include <cstddef>
#include <cstdint>

#include "core/base/String.h"

namespace vl {

class CRunState;
class CSource;
class CSourceList;
class IFileSystem;

struct AddSourceResult {
  bool added = false;
  size_t index = 0;  // the new item's list index when added
};

// Whether path, on the volume with serial number volumeSerial, is the registered item: the same
// canonical path in any letter case on the same volume (the same path on another disk that now
// has the letter is another item).
bool IsSameSourceItem(const CSource& item, StringView path, uint32_t volumeSerial);

// Appends a recognised item for path (in its canonical spelling) unless IsSameSourceItem finds
// it registered already; the next run then backs up only the new item.
AddSourceResult AddSourceItem(CSourceList& items, const String& path, const IFileSystem& fs,
                              CRunState& run);

}  // namespace vl
