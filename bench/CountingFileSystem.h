#pragma once
// Passes every call to the real file system and counts the reads, so the benchmark can say how
// many source files the analysis went through and what it asked of the file system for them.
#include <cstdint>

#include "core/fs/FileSystem.h"

namespace vl::bench {

struct ReadCounts {
  uint64_t listings = 0;
  uint64_t sourceFiles = 0;    // file entries of listings below the source root
  uint64_t listedFiles = 0;    // file entries of every listing, both sides
  uint64_t listedFolders = 0;  // folder entries of every listing, both sides
  uint64_t statusQueries = 0;
  uint64_t volumeQueries = 0;
};

class CountingFileSystem : public IFileSystem {
 public:
  // Listings of folders whose path starts with sourceRoot count as the source side.
  CountingFileSystem(IFileSystem& inner, String sourceRoot)
      : m_inner(inner), m_sourceRoot(std::move(sourceRoot)) {}
  const ReadCounts& Counts() const { return m_counts; }

  FsResult GetStatus(const String& path, FileStatus& status) const override;
  FsResult ListFolder(const String& folder, std::vector<FolderEntry>& entries) const override;
  FsResult ProbeExclusiveRead(const String& path) const override;
  bool GetVolumeInfo(const String& root, VolumeInfo& info) const override;
  FsResult CreateFolder(const String& path) override;
  FsResult CopyIntoPlace(const String& source, const String& partial, const String& target,
                         const CopyProgressFn& progress, const MakeWayFn& makeWay) override;
  FsResult MoveFileTo(const String& source, const String& target) override;
  FsResult RemoveFile(const String& path) override;
  FsResult RemoveFolder(const String& path) override;
  FsResult SetAttributes(const String& path, uint32_t attributes) override;
  FsResult SetFileTimes(const String& path, int64_t creationTime, int64_t lastAccessTime,
                        int64_t lastWriteTime) override;

 private:
  IFileSystem& m_inner;
  String m_sourceRoot;
  mutable ReadCounts m_counts;
};

}  // namespace vl::bench
