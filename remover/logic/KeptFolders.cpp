#include "remover/logic/KeptFolders.h"

#include "remover/logic/FolderText.h"

namespace vl::remover {
namespace {

std::vector<String> FoldersToKeep(const KnownFolders& known) {
  std::vector<String> folders{known.windows, known.desktop, known.documents, known.profile};
  folders.insert(folders.end(), known.programFiles.begin(), known.programFiles.end());
  folders.insert(folders.end(), known.shared.begin(), known.shared.end());
  return folders;
}

bool IsInsideWindows(const String& folder, const KnownFolders& known,
                     const IRemovalFileSystem& fs) {
  if (known.windows.empty()) return false;
  for (const String& level : SelfAndAncestors(folder)) {
    if (fs.SameFolder(level, known.windows)) return true;
  }
  return false;
}

// The folder is one of those to keep, or holds one of them further down.
bool HoldsAFolderToKeep(const String& folder, const KnownFolders& known,
                        const IRemovalFileSystem& fs) {
  for (const String& kept : FoldersToKeep(known)) {
    if (kept.empty()) continue;
    for (const String& level : SelfAndAncestors(kept)) {
      if (fs.SameFolder(folder, level)) return true;
    }
  }
  return false;
}

}  // namespace

bool IsKeptFolder(const String& folder, const KnownFolders& known, const IRemovalFileSystem& fs) {
  return IsDriveRoot(folder) || IsInsideWindows(folder, known, fs) ||
         HoldsAFolderToKeep(folder, known, fs);
}

}  // namespace vl::remover
