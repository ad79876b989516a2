#include "bench/CountingFileSystem.h"

namespace vl::bench {

FsResult CountingFileSystem::GetStatus(const String& path, FileStatus& status) const {
  ++m_counts.statusQueries;
  return m_inner.GetStatus(path, status);
}

FsResult CountingFileSystem::ListFolder(const String& folder,
                                        std::vector<FolderEntry>& entries) const {
  ++m_counts.listings;
  const FsResult listed = m_inner.ListFolder(folder, entries);
  const bool sourceSide = folder.compare(0, m_sourceRoot.size(), m_sourceRoot) == 0;
  for (const FolderEntry& entry : entries) {
    ++(entry.isFolder ? m_counts.listedFolders : m_counts.listedFiles);
    if (sourceSide && !entry.isFolder) ++m_counts.sourceFiles;
  }
  return listed;
}

FsResult CountingFileSystem::ProbeExclusiveRead(const String& path) const {
  return m_inner.ProbeExclusiveRead(path);
}

bool CountingFileSystem::GetVolumeInfo(const String& root, VolumeInfo& info) const {
  ++m_counts.volumeQueries;
  return m_inner.GetVolumeInfo(root, info);
}

// The analysis never writes; these only complete the interface.
FsResult CountingFileSystem::CreateFolder(const String& path) { return m_inner.CreateFolder(path); }

FsResult CountingFileSystem::CopyIntoPlace(const String& source, const String& partial,
                                           const String& target, const CopyProgressFn& progress,
                                           const MakeWayFn& makeWay) {
  return m_inner.CopyIntoPlace(source, partial, target, progress, makeWay);
}

FsResult CountingFileSystem::MoveFileTo(const String& source, const String& target) {
  return m_inner.MoveFileTo(source, target);
}

FsResult CountingFileSystem::RemoveFile(const String& path) { return m_inner.RemoveFile(path); }

FsResult CountingFileSystem::RemoveFolder(const String& path) { return m_inner.RemoveFolder(path); }

FsResult CountingFileSystem::SetAttributes(const String& path, uint32_t attributes) {
  return m_inner.SetAttributes(path, attributes);
}

FsResult CountingFileSystem::SetFileTimes(const String& path, int64_t creationTime,
                                          int64_t lastAccessTime, int64_t lastWriteTime) {
  return m_inner.SetFileTimes(path, creationTime, lastAccessTime, lastWriteTime);
}

}  // namespace vl::bench
