#pragma once
// Every kept version of a source path: its current copy on the target and the history copies
// in the _VLHistory folder beside it. The source path is mapped to the target as a backup run
// maps it, after recognising the items as a run does, so an item whose drive letter moved still
// finds its copies.
#include <cstdint>
#include <vector>

#include "client/engine/TextProvider.h"
#include "core/base/String.h"
#include "core/fs/FileSystem.h"

namespace vl {

class CSourceList;
class IDriveSet;

struct FileVersion {
  String path;                // the copy on the target
  String stamp;               // the 14 digits of a history copy; empty for the current copy
  bool current = false;
  uint64_t size = 0;
  int64_t lastWriteTime = 0;  // status seconds, as FileStatus
  int number = 1;             // the _N of a history copy made within the same second
};

struct VersionList {
  FsResult result;            // reading the target failed (this is not "no versions")
  // Or why the path has no versions at all: IDS_RESTORE_NOT_BELOW_ITEM, IDS_RESTORE_NO_TARGET,
  // IDS_RESTORE_HISTORY_PATH (a path through a history folder), IDS_RESTORE_IN_TARGET (a path
  // in the backup location itself); 0 = none.
  TextId refusal = 0;
  String sourcePath;          // canonical
  String targetPath;          // where the current copy is or would be
  String targetFolder;        // the backup location, which no restore writes into
  bool isFolder = false;
  // The current copy first (when there is one), then history copies newest first. A folder
  // has only its current copy: its history lives file by file.
  std::vector<FileVersion> versions;
  bool Ok() const { return result.Ok() && refusal == 0; }
};

// sourcePath must be a full path; items are recognised anew (their paths may be rewritten to a
// moved drive letter, as a run rewrites them).
VersionList FindVersions(const IFileSystem& fs, const IDriveSet& drives, CSourceList& items,
                         const String& targetFolder, const String& sourcePath);

// The versions of one target file: its current copy (when it exists) and its history copies.
// result fails only when the target could not be read; missing folders mean no versions.
FsResult ListFileVersions(const IFileSystem& fs, const String& targetPath,
                          std::vector<FileVersion>& versions);

// The version with the 14 digits stamp (with "_N" for a numbered one), the current copy for
// "current"; nullptr when there is none.
const FileVersion* FindVersionByStamp(const VersionList& list, StringView stamp);

// The newest of all versions by last-write time (the current copy wins a tie); nullptr for none.
const FileVersion* NewestVersion(const VersionList& list);

}  // namespace vl
