#include "client/engine/restore/Versions.h"

namespace vl {

VersionList FindVersions(const IFileSystem&, const IDriveSet&, CSourceList&, const String&,
                         const String& sourcePath) {
  VersionList list;
  list.sourcePath = sourcePath;
  list.refusal = IDS_RESTORE_NOT_BELOW_ITEM;
  return list;
}

FsResult ListFileVersions(const IFileSystem&, const String&, std::vector<FileVersion>&) {
  return FsResult();
}

const FileVersion* FindVersionByStamp(const VersionList&, StringView) { return nullptr; }

const FileVersion* NewestVersion(const VersionList&) { return nullptr; }

}  // namespace vl
