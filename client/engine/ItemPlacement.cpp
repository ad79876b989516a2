#include "client/engine/ItemPlacement.h"

#include "client/engine/ItemPath.h"
#include "client/engine/PathUtil.h"
#include "client/model/SourceList.h"

namespace vl {
namespace {

bool IsRootItem(const CSource& item) { return item.GetItemName() == item.path; }

CSource ItemAt(StringView path) {
  CSource item;
  item.path = CanonicalItemPath(path);
  return item;
}

}  // namespace

bool SharesTargetFolder(const CSource& a, const CSource& b) {
  if (IsRootItem(a) || IsRootItem(b)) return true;
  return EqualsNoCase(a.GetItemName(), b.GetItemName());
}

bool IsSameOrInside(StringView inner, StringView outer) {
  const String in = FoldName(CanonicalItemPath(inner));
  String out = FoldName(CanonicalItemPath(outer));
  if (in.empty() || out.empty() || in.size() < out.size()) return false;
  if (in.compare(0, out.size(), out) != 0) return false;
  return in.size() == out.size() || EndsWithBackslash(out) || in[out.size()] == VLT('\\');
}

bool OverlapsTarget(StringView itemPath, StringView targetFolder) {
  return IsSameOrInside(itemPath, targetFolder) || IsSameOrInside(targetFolder, itemPath);
}

TextId NewItemRefusal(const CSourceList& items, StringView path, StringView targetFolder) {
  if (OverlapsTarget(path, targetFolder)) return IDS_MSG_TARGET_OVERLAP;
  const CSource candidate = ItemAt(path);
  for (const auto& item : items) {
    if (SharesTargetFolder(*item, candidate)) return IDS_MSG_SAME_TARGET;
  }
  return 0;
}

TextId NewTargetRefusal(const CSourceList& items, StringView targetFolder) {
  for (const auto& item : items) {
    if (OverlapsTarget(item->path, targetFolder)) return IDS_MSG_TARGET_OVERLAP;
  }
  return 0;
}

TextId ListedItemProblem(const CSourceList& items, size_t index, StringView targetFolder) {
  const CSource& item = items.GetAt(index);
  if (IsSameOrInside(item.path, targetFolder)) return IDS_ERROR_TARGET_OVERLAP;
  for (size_t i = 0; i < index; ++i) {
    if (SharesTargetFolder(items.GetAt(i), item)) return IDS_ERROR_SAME_TARGET;
  }
  return 0;
}

}  // namespace vl
