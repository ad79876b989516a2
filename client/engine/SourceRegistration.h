#pragma once
// Adding a folder as a backup item: its volume's serial number is captured so that the item can
// be found again when the volume changes letter, and the same folder on the same volume is
// refused. The dialog shows the refusal (IDS_ALREADY_REGISTERED), lists, selects and saves.
#include <cstddef>

#include "core/base/String.h"

namespace vl {

class CRunState;
class CSourceList;
class IFileSystem;

struct AddSourceResult {
  bool added = false;
  size_t index = 0;  // the new item's list index when added
};

// Appends a recognised item for path unless one with the same path (in any letter case) and
// the same volume serial number exists; the next run then backs up only the new item.
AddSourceResult AddSourceItem(CSourceList& items, const String& path, const IFileSystem& fs,
                              CRunState& run);

}  // namespace vl
