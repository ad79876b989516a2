#pragma once
// What the remover deletes: only what the client, its updater and its installer are known to
// put there, never a folder with anything else in it. From the install root (the registry's
// word, which may be wrong or hostile) and the known folders:
//
//  - the program files in the install folder, unless the root is unusable (FolderText);
//  - in the data folder (the install folder, or Documents\Vaultline for an install on the
//    Desktop) the set files in Config, the updater's files in Temp and in its own Temp below
//    that, then those folders and the data folder itself where they are left empty; nothing of
//    this for a data folder that is one to keep (KeptFolders). Backup, the user's backups,
//    is never entered;
//  - the Desktop's shortcut, and the Start menu's Vaultline group with the shortcuts of the
//    client and of the remover.
#include <vector>

#include "core/base/String.h"
#include "remover/logic/FolderText.h"
#include "remover/logic/KnownFolders.h"
#include "remover/logic/RemovalFileSystem.h"

namespace vl::remover {

struct RemovalPlan {
  RootProblem rootProblem = RootProblem::None;
  // Deleted in this order.
  std::vector<String> files;
  // Then each of these, in this order, only where it is empty by then.
  std::vector<String> foldersIfEmpty;
  // Folders of ours that could not be listed: whatever of ours is in them stays.
  std::vector<String> unreadable;
};

RemovalPlan PlanRemoval(const String& installRoot, const KnownFolders& known,
                        const IRemovalFileSystem& fs);

// Carries the plan out, going on past every failure. Returns what should have gone and is
// still there: the unreadable folders, a file that could not be deleted, a folder that could
// not be removed although it was empty. A file that vanished meanwhile and a folder that
// still holds something are no failure.
std::vector<String> CarryOut(const RemovalPlan& plan, IRemovalFileSystem& fs);

}  // namespace vl::remover
