#include "client/engine/restore/Restore.h"

#include "client/engine/ItemPath.h"
#include "client/engine/ItemPlacement.h"
#include "client/engine/PathUtil.h"
#include "client/engine/restore/RestoreFile.h"
#include "client/engine/restore/RestoreFolder.h"
#include "client/engine/restore/SourceTarget.h"
#include "client/model/PathJoin.h"

namespace vl {
namespace {

// Why destination may not receive version at all: a restore into the backup location would
// mix restored files into the backup, and one into the copy being read would read itself.
TextId DestinationRefusal(const VersionList& list, const FileVersion& version,
                          const String& destination) {
  if (destination.empty()) return IDS_RESTORE_NOTHING;
  if (PassesHistoryFolder(destination)) return IDS_RESTORE_INTO_HISTORY;
  if (IsSameOrInside(destination, version.path)) return IDS_RESTORE_INTO_SOURCE;
  if (!list.targetFolder.empty() && IsSameOrInside(destination, list.targetFolder)) {
    return IDS_RESTORE_IN_TARGET;
  }
  return 0;
}

bool IsListed(const VersionList& list, const FileVersion& version) {
  for (const FileVersion& listed : list.versions) {
    if (listed.path == version.path) return true;
  }
  return false;
}

}  // namespace

String RestoreDestinationIn(const String& folder, const VersionList& list) {
  return model::JoinPath(folder, PathLastPart(list.sourcePath));
}

bool RestoreWouldReplace(const IFileSystem& fs, const VersionList& list,
                         const String& destination) {
  FileStatus status;
  const FsResult asked = fs.GetStatus(destination, status);
  if (asked.Missing()) return false;
  if (!list.isFolder || !asked || !status.IsFolder()) return true;
  return FolderRestoreWouldReplace(fs, list.targetPath, destination);
}

RestoreOutcome RestoreVersion(IFileSystem& fs, const IClock& clock, const VersionList& list,
                              const FileVersion& version, const String& destination,
                              bool replace) {
  RestoreOutcome outcome;
  const String placed = CanonicalItemPath(destination);
  outcome.failedPath = placed;
  outcome.message = list.Ok() && IsListed(list, version)
                        ? DestinationRefusal(list, version, placed)
                        : IDS_RESTORE_NOTHING;
  if (outcome.message != 0) return outcome;
  outcome.failedPath.clear();
  FileStatus status;
  const FsResult read = fs.GetStatus(version.path, status);
  if (!read || status.IsFolder() != list.isFolder) {
    NoteFailure(outcome, IDS_RESTORE_READ_FAILED, version.path, read);
  } else if (list.isFolder && !replace && RestoreWouldReplace(fs, list, placed)) {
    NoteFailure(outcome, IDS_RESTORE_EXISTS, placed, FsResult());
  } else if (list.isFolder) {
    RestoreFolderTree(fs, clock, version.path, placed, replace, outcome);
  } else {
    RestoreOneFile(fs, clock, version.path, placed, list.targetPath, replace, outcome);
  }
  return outcome;
}

}  // namespace vl
