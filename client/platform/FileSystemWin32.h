#pragma once
// The file-system seam on the real Win32 calls. Paths are used as given (no \\?\ form), so
// the platform's 260-character limit applies as it does to the rest of the client. The drive
// letters come with it: they are the same volumes, asked through the same layer.
#include "client/engine/DriveSet.h"
#include "core/fs/FileSystem.h"

namespace vl::platform {

class FileSystemWin32 : public IFileSystem, public IDriveSet {
 public:
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

  uint32_t LogicalDriveMask() const override;
  bool VolumeDeviceOpens(Char letter) const override;
};

}  // namespace vl::platform
