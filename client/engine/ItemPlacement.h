#pragma once
// Where each item's copy lands decides whether one item's backup can touch another's: two
// items whose copies share a target folder would be merged there, and a synchronizing run
// would delete one item's files because the other lacks them. A target inside an item would
// be copied into itself, one level deeper on every run. These rules refuse such items where
// they are chosen and keep a run from merging them.
#include <cstddef>

#include "client/engine/TextProvider.h"
#include "core/base/String.h"

namespace vl {

class CSource;
class CSourceList;

// Whether the copies of two items would share a target folder: the same last name in any
// letter case, or either of them a drive or share root, whose contents go straight into the
// target folder beside every other item's copy.
bool SharesTargetFolder(const CSource& a, const CSource& b);

// Whether inner is outer itself or lies below it, in any spelling and letter case.
bool IsSameOrInside(StringView inner, StringView outer);

// Whether the item and the target folder lie inside one another (or are the same).
bool OverlapsTarget(StringView itemPath, StringView targetFolder);

// Why path cannot join items with the target folder targetFolder: IDS_MSG_SAME_TARGET,
// IDS_MSG_TARGET_OVERLAP, or 0 when it can. The caller shows the text with the path.
TextId NewItemRefusal(const CSourceList& items, StringView path, StringView targetFolder);

// Why targetFolder cannot be the target of items: IDS_MSG_TARGET_OVERLAP or 0.
TextId NewTargetRefusal(const CSourceList& items, StringView targetFolder);

// Why a run must not back up items[index], as an error record's text: IDS_ERROR_TARGET_OVERLAP
// when it lies inside the target, IDS_ERROR_SAME_TARGET when an item before it in the list
// already has its target folder (the first one keeps it), 0 otherwise. A target inside the
// item is no reason: the run skips the target folder instead.
TextId ListedItemProblem(const CSourceList& items, size_t index, StringView targetFolder);

}  // namespace vl
