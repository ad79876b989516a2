#include "client/engine/restore/RestoreFolder.h"

#include <functional>
#include <vector>

#include "client/engine/History.h"
#include "client/engine/PartialCopy.h"
#include "client/engine/restore/RestoreFile.h"
#include "client/model/PathJoin.h"

namespace vl {
namespace {

// What a walk of the tree does at each of its places: a file or folder with its path on the
// target and its place below destination (false ends the walk), and a folder it cannot list.
struct TreeVisit {
  std::function<bool(const String& copy, const String& placed)> file;
  std::function<void(const String& copy, const String& placed)> folder;
  std::function<void(const String& copy, const FsResult& result)> unread;
  std::function<void(const String& copy, const String& placed)> folderDone;
};

// The entries of folder that belong to the backed-up tree.
FsResult TreeEntries(const IFileSystem& fs, const String& folder,
                     std::vector<FolderEntry>& entries) {
  std::vector<FolderEntry> all;
  const FsResult listed = fs.ListFolder(folder, all);
  for (FolderEntry& entry : all) {
    if (entry.isFolder ? IsHistoryFolderName(entry.name) : IsPartialCopyName(entry.name)) continue;
    entries.push_back(std::move(entry));
  }
  return listed;
}

bool WalkTree(const IFileSystem& fs, const String& copy, const String& destination,
              const TreeVisit& visit) {
  if (visit.folder) visit.folder(copy, destination);
  std::vector<FolderEntry> entries;
  const FsResult listed = TreeEntries(fs, copy, entries);
  if (!listed) {
    if (visit.unread) visit.unread(copy, listed);
    return true;
  }
  for (const FolderEntry& entry : entries) {
    const String placed = model::JoinPath(destination, entry.name);
    const bool go = entry.isFolder ? WalkTree(fs, entry.path, placed, visit)
                                   : visit.file(entry.path, placed);
    if (!go) return false;
  }
  if (visit.folderDone) visit.folderDone(copy, destination);
  return true;
}

}  // namespace

void RestoreFolderTree(IFileSystem& fs, const IClock& clock, const String& copy,
                       const String& destination, bool replace, RestoreOutcome& outcome) {
  TreeVisit visit;
  visit.file = [&](const String& source, const String& placed) {
    RestoreOneFile(fs, clock, source, placed, source, replace, outcome);
    return true;
  };
  visit.folder = [&](const String&, const String& placed) {
    const FsResult made = EnsureFolder(fs, placed);
    if (!made) NoteFailure(outcome, IDS_RESTORE_COPY_FAILED, placed, made);
  };
  visit.unread = [&](const String& source, const FsResult& result) {
    NoteFailure(outcome, IDS_RESTORE_READ_FAILED, source, result);
  };
  // Only once its files are in: each of them changed the folder's last-write time.
  visit.folderDone = [&](const String& source, const String& placed) {
    FileStatus status;
    if (!fs.GetStatus(source, status)) return;
    fs.SetFileTimes(placed, status.creationTime, status.lastAccessTime, status.lastWriteTime);
  };
  WalkTree(fs, copy, destination, visit);
}

bool FolderRestoreWouldReplace(const IFileSystem& fs, const String& copy,
                               const String& destination) {
  bool replaces = false;
  TreeVisit visit;
  visit.file = [&](const String&, const String& placed) {
    FileStatus status;
    replaces = !fs.GetStatus(placed, status).Missing();
    return !replaces;
  };
  WalkTree(fs, copy, destination, visit);
  return replaces;
}

}  // namespace vl
