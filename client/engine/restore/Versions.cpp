#include "client/engine/restore/Versions.h"

#include <algorithm>

#include "client/engine/History.h"
#include "client/engine/PathUtil.h"
#include "client/engine/restore/HistoryName.h"
#include "client/engine/restore/SourceTarget.h"

namespace vl {
namespace {

FileVersion VersionOf(const String& path, const FileStatus& status) {
  FileVersion version;
  version.path = path;
  version.size = status.size;
  version.lastWriteTime = status.lastWriteTime;
  return version;
}

bool NewerStamp(const FileVersion& a, const FileVersion& b) {
  if (a.stamp != b.stamp) return a.stamp > b.stamp;
  return a.number > b.number;
}

// Appends the history copies of the file named name in folder, newest first; a missing folder
// holds none.
FsResult ListHistoryCopies(const IFileSystem& fs, const String& folder, StringView name,
                           std::vector<FileVersion>& copies) {
  const auto first = static_cast<std::ptrdiff_t>(copies.size());
  std::vector<FolderEntry> entries;
  const FsResult listed = fs.ListFolder(folder, entries);
  if (!listed) return listed.Missing() ? FsResult() : listed;
  for (const FolderEntry& entry : entries) {
    HistoryName parsed;
    if (entry.isFolder || !ParseHistoryName(entry.name, parsed)) continue;
    if (!EqualsNoCase(parsed.original, name)) continue;
    FileStatus status;
    const FsResult read = fs.GetStatus(entry.path, status);
    if (read.Missing()) continue;  // pruned or moved since the listing
    if (!read) return read;
    FileVersion copy = VersionOf(entry.path, status);
    copy.stamp = parsed.stamp;
    copy.number = parsed.number;
    copies.push_back(std::move(copy));
  }
  std::sort(copies.begin() + first, copies.end(), NewerStamp);
  return FsResult();
}

// The history copies' stamp with the number a replacement within the same second adds.
String NumberedStamp(const FileVersion& version) {
  String stamp = version.stamp;
  if (version.number > 1) {
    stamp += VLT('_');
    for (Char c : std::to_string(version.number)) stamp += static_cast<Char>(c);
  }
  return stamp;
}

}  // namespace

FsResult ListFileVersions(const IFileSystem& fs, const String& targetPath,
                          std::vector<FileVersion>& versions) {
  FileStatus status;
  const FsResult current = fs.GetStatus(targetPath, status);
  if (!current && !current.Missing()) return current;
  if (current && !status.IsFolder()) {
    versions.push_back(VersionOf(targetPath, status));
    versions.back().current = true;
  }
  return ListHistoryCopies(fs, HistoryFolderOf(targetPath), PathLastPart(targetPath), versions);
}

VersionList FindVersions(const IFileSystem& fs, const IDriveSet& drives, CSourceList& items,
                         const String& targetFolder, const String& sourcePath) {
  const SourceTarget mapped = MapSourceToTarget(fs, drives, items, targetFolder, sourcePath);
  VersionList list;
  list.sourcePath = mapped.sourcePath;
  list.targetPath = mapped.targetPath;
  list.targetFolder = targetFolder;
  list.refusal = mapped.refusal;
  if (list.refusal != 0) return list;
  FileStatus status;
  const FsResult read = fs.GetStatus(list.targetPath, status);
  if (read && status.IsFolder()) {
    list.isFolder = true;
    list.versions.push_back(VersionOf(list.targetPath, status));
    list.versions.back().current = true;
    return list;
  }
  if (!read && !read.Missing()) {
    list.result = read;
    return list;
  }
  std::vector<FileVersion> versions;
  list.result = ListFileVersions(fs, list.targetPath, versions);
  if (list.result) list.versions = std::move(versions);
  return list;
}

const FileVersion* FindVersionByStamp(const VersionList& list, StringView stamp) {
  for (const FileVersion& version : list.versions) {
    const bool match = version.current ? stamp == VLT("current") : NumberedStamp(version) == stamp;
    if (match) return &version;
  }
  return nullptr;
}

const FileVersion* NewestVersion(const VersionList& list) {
  const FileVersion* newest = nullptr;
  for (const FileVersion& version : list.versions) {
    if (newest == nullptr || version.lastWriteTime > newest->lastWriteTime) newest = &version;
  }
  return newest;
}

}  // namespace vl
