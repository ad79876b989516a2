#pragma once
// Where a backup run puts the copy of a source path: the item it lies below (the first one in
// list order that a run backs up, after recognising the items as a run does), the item's
// target path and the rest of the path below the item.
#include "client/engine/TextProvider.h"
#include "core/base/String.h"

namespace vl {

class CSourceList;
class IDriveSet;
class IFileSystem;

struct SourceTarget {
  String sourcePath;  // canonical
  String targetPath;
  TextId refusal = 0;  // IDS_RESTORE_NOT_BELOW_ITEM, _NO_TARGET, _HISTORY_PATH or _IN_TARGET
};

// sourcePath must be full. The items are recognised anew; a path typed with an item's old drive
// letter maps as well as one with its new letter.
SourceTarget MapSourceToTarget(const IFileSystem& fs, const IDriveSet& drives, CSourceList& items,
                               const String& targetFolder, const String& sourcePath);

// Whether any name of path is the history folder's.
bool PassesHistoryFolder(StringView path);

}  // namespace vl
