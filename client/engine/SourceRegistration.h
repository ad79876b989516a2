#pragma once
// Adding a folder as a backup item: its volume's serial number is captured so that the item can
// be found again when the volume changes letter; the same folder on the same volume is refused,
// and so is an item whose copy would share a target folder with another item's or that lies
// inside one another with the target (ItemPlacement). The dialog shows the refusal, lists,
// selects and saves; vlbackup's add goes through the same rules, so both refuse the same paths.
#include <cstddef>
#include <cstdint>

#include "client/engine/TextProvider.h"
#include "core/base/String.h"

namespace vl {

class CRunState;
class CSource;
class CSourceList;
class IFileSystem;

struct AddSourceResult {
  bool added = false;
  size_t index = 0;  // the new item's list index when added
  // When refused: IDS_MSG_ALREADY_REGISTERED, or IDS_MSG_SAME_TARGET or IDS_MSG_TARGET_OVERLAP,
  // whose %s is the path.
  TextId refusal = 0;
};

// Whether path, on the volume with serial number volumeSerial, is the registered item: the same
// canonical path in any letter case on the same volume (the same path on another disk that now
// has the letter is another item).
bool IsSameSourceItem(const CSource& item, StringView path, uint32_t volumeSerial);

// Appends a recognised item for path (in its canonical spelling) unless IsSameSourceItem finds
// it registered already or the placement rules refuse it beside the items and targetFolder;
// the next run then backs up only the new item.
AddSourceResult AddSourceItem(CSourceList& items, const String& path, const String& targetFolder,
                              const IFileSystem& fs, CRunState& run);

}  // namespace vl
