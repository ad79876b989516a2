#include "client/engine/restore/SourceTarget.h"

#include <vector>

#include "client/engine/History.h"
#include "client/engine/ItemPath.h"
#include "client/engine/ItemPlacement.h"
#include "client/engine/SourceRecognition.h"
#include "client/model/PathJoin.h"
#include "client/model/SourceList.h"

namespace vl {
namespace {

// The rest of path below item (whose canonical form it lies in), without a leading backslash.
String RestBelow(const String& path, const String& item) {
  String rest = path.substr(CanonicalItemPath(item).size());
  if (!rest.empty() && rest.front() == VLT('\\')) rest.erase(0, 1);
  return rest;
}

bool MapBelowItem(const CSource& item, const String& spelling, SourceTarget& mapped) {
  if (!IsSameOrInside(mapped.sourcePath, spelling)) return false;
  const String rest = RestBelow(mapped.sourcePath, spelling);
  const String itemTarget = item.MakeTargetPath();
  mapped.targetPath = rest.empty() ? itemTarget : model::JoinPath(itemTarget, rest);
  return true;
}

}  // namespace

bool PassesHistoryFolder(StringView path) {
  for (size_t start = 0; start <= path.size();) {
    size_t end = path.find(VLT('\\'), start);
    if (end == StringView::npos) end = path.size();
    if (IsHistoryFolderName(path.substr(start, end - start))) return true;
    start = end + 1;
  }
  return false;
}

SourceTarget MapSourceToTarget(const IFileSystem& fs, const IDriveSet& drives, CSourceList& items,
                               const String& targetFolder, const String& sourcePath) {
  SourceTarget mapped;
  mapped.sourcePath = CanonicalItemPath(sourcePath);
  if (targetFolder.empty()) mapped.refusal = IDS_RESTORE_NO_TARGET;
  else if (PassesHistoryFolder(mapped.sourcePath)) mapped.refusal = IDS_RESTORE_HISTORY_PATH;
  else if (IsSameOrInside(mapped.sourcePath, targetFolder)) mapped.refusal = IDS_RESTORE_IN_TARGET;
  if (mapped.refusal != 0) return mapped;

  std::vector<String> stored;
  for (const auto& item : items) stored.push_back(item->path);
  RecognizeAll(items, fs, drives);
  for (size_t i = 0; i < items.GetCount(); ++i) {
    CSource& item = items.GetAt(i);
    item.targetFolder = targetFolder;
    // A run never backs up such an item, and the folder it would use is another item's.
    if (ListedItemProblem(items, i, targetFolder) != 0) continue;
    if (MapBelowItem(item, item.path, mapped) || MapBelowItem(item, stored[i], mapped)) {
      return mapped;
    }
  }
  mapped.refusal = IDS_RESTORE_NOT_BELOW_ITEM;
  return mapped;
}

}  // namespace vl
