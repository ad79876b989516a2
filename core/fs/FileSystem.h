#pragma once
// The seam between the backup logic and the file system. The Win32 implementation lives in
// win32/; tests use an in-memory fake with Windows semantics. Both must pass the contract
// suite in tests/support, so every rule stated here is one that suite checks.
#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

#include "core/base/String.h"

namespace vl {

// Attribute bits as Windows reports them.
enum : uint32_t {
  kAttrReadOnly = 0x01,
  kAttrHidden = 0x02,
  kAttrSystem = 0x04,
  kAttrDirectory = 0x10,
  kAttrArchive = 0x20,
  kAttrDevice = 0x40,
  // A status keeps only these bits; the higher ones (compressed, offline, ...) would make two
  // otherwise equal files look different between volumes.
  kAttrStatusMask = 0x7F,
};

// Paths of this many characters or more cannot be queried without the \\?\ form, which the
// client never uses; such paths count as missing.
constexpr size_t kMaxPathChars = 260;

// Times are whole seconds since 1 January 1970 00:00:00 counted on the local wall clock (the
// platform time converted to local time, fractions dropped), so both sides of a comparison
// agree no matter which volume they come from.
struct FileStatus {
  uint32_t attributes = 0;
  uint64_t size = 0;
  int64_t creationTime = 0;
  int64_t lastAccessTime = 0;
  int64_t lastWriteTime = 0;
  bool IsFolder() const { return (attributes & kAttrDirectory) != 0; }
};

// Applies the rules every implementation shares once it has the raw values: only the low
// attribute bits remain, and a creation or last-access time that some file systems leave at 0
// reads as the last-write time.
inline void NormalizeStatus(FileStatus& status) {
  status.attributes &= kAttrStatusMask;
  if (status.creationTime == 0) status.creationTime = status.lastWriteTime;
  if (status.lastAccessTime == 0) status.lastAccessTime = status.lastWriteTime;
}

// One entry of a folder listing ("." and ".." never appear). The listing brings each entry's
// status along, normalized as GetStatus normalizes it, so that a caller needs no query of its
// own per entry.
struct FolderEntry {
  String name;
  String path;  // the folder, a backslash unless it already ends with one, the name
  bool isFolder = false;
  uint64_t size = 0;
  uint32_t attributes = 0;
  int64_t creationTime = 0;
  int64_t lastAccessTime = 0;
  int64_t lastWriteTime = 0;
  FileStatus Status() const {
    return FileStatus{attributes, size, creationTime, lastAccessTime, lastWriteTime};
  }
};

// The entry for a listed name with the status the platform listed for it, raw.
inline FolderEntry MakeFolderEntry(String name, String path, FileStatus status) {
  NormalizeStatus(status);
  const uint64_t size = status.IsFolder() ? 0 : status.size;
  return FolderEntry{std::move(name), std::move(path), status.IsFolder(), size, status.attributes,
                     status.creationTime, status.lastAccessTime, status.lastWriteTime};
}

struct VolumeInfo {
  uint32_t serial = 0;
  String fileSystemName;  // NTFS, FAT32, ...
};

// What went wrong, in the terms the callers act on; systemCode keeps the platform's own code
// (GetLastError on Windows) for diagnostics.
enum class FsError {
  None,
  NotFound,       // the path, or a folder on the way to it, does not exist
  AlreadyExists,  // the destination of a create, copy or move is taken
  AccessDenied,   // read-only file, locked file, missing rights
  NotEmpty,       // a folder to remove still has entries
  Cancelled,      // the copy's progress routine asked to stop
  Other,
};

struct FsResult {
  FsError error = FsError::None;
  uint32_t systemCode = 0;
  bool Ok() const { return error == FsError::None; }
  explicit operator bool() const { return Ok(); }
  // The system said the path does not exist. Anything else (access denied, a sharing
  // violation, a device error) says nothing about existence: callers that would delete what
  // is missing must never take such a failure for "missing".
  bool Missing() const { return error == FsError::NotFound; }
};

// Windows error codes, so that the fake reports what the real calls report.
enum : uint32_t {
  kSysFileNotFound = 2,
  kSysPathNotFound = 3,
  kSysAccessDenied = 5,
  kSysNotReady = 21,
  kSysSharingViolation = 32,
  kSysFileExists = 80,
  kSysDiskFull = 112,
  kSysDirNotEmpty = 145,
  kSysAlreadyExists = 183,
  kSysFilenameTooLong = 206,
  kSysNotADirectory = 267,
  kSysRequestAborted = 1235,
};

inline FsError FsErrorFromSystemCode(uint32_t code) {
  switch (code) {
    case 0: return FsError::None;
    case kSysFileNotFound:
    case kSysPathNotFound:
    case kSysFilenameTooLong: return FsError::NotFound;
    case kSysFileExists:
    case kSysAlreadyExists: return FsError::AlreadyExists;
    case kSysAccessDenied:
    case kSysSharingViolation: return FsError::AccessDenied;
    case kSysDirNotEmpty: return FsError::NotEmpty;
    case kSysRequestAborted: return FsError::Cancelled;
    default: return FsError::Other;
  }
}

inline FsResult FsFailure(uint32_t systemCode) {
  return FsResult{FsErrorFromSystemCode(systemCode), systemCode};
}

// Progress of a copy, in the terms of the platform's copy routine. The file's data is one
// stream; streamTransferred grows from 0 to streamSize.
struct CopyProgressInfo {
  uint64_t totalSize = 0;
  uint64_t totalTransferred = 0;
  uint64_t streamSize = 0;
  uint64_t streamTransferred = 0;
};

// Called during a copy on the copying thread; returning false cancels the copy, which then
// fails with FsError::Cancelled and leaves no target behind.
using CopyProgressFn = std::function<bool(const CopyProgressInfo&)>;

// Called by a copy once the new version is complete and before it takes the target's name.
using MakeWayFn = std::function<FsResult()>;

// Method names stay clear of the Win32 macros (CopyFile, MoveFile, DeleteFile ...), which would
// otherwise rename them in every file that includes <windows.h>.
class IFileSystem {
 public:
  virtual ~IFileSystem() = default;

  // Status of one path in a single query. Fails when it does not exist (NotFound, also for a
  // path kMaxPathChars long or longer) or cannot be read (the system's code). The status comes
  // back normalized (NormalizeStatus).
  virtual FsResult GetStatus(const String& path, FileStatus& status) const = 0;

  // The entries of a folder in the file system's order. Fails (with no entries) when it cannot
  // be listed completely; an empty folder, a drive root included, lists with no entries.
  virtual FsResult ListFolder(const String& folder, std::vector<FolderEntry>& entries) const = 0;

  // Whether the file could be opened for reading with no sharing at all, tried and closed at
  // once: a file another program holds open fails (AccessDenied, the system's sharing
  // violation), a missing one fails as NotFound. Real-time backup waits for such files.
  virtual FsResult ProbeExclusiveRead(const String& path) const = 0;

  // Volume information of a root such as C:\ or \\server\share\; false when the volume is
  // absent or root is not the root of one.
  virtual bool GetVolumeInfo(const String& root, VolumeInfo& info) const = 0;

  // One level: the parent must exist.
  virtual FsResult CreateFolder(const String& path) = 0;
  // Puts a new version of source at target by way of partial: writes source's data, attributes
  // and three times under partial (which must be free: AlreadyExists otherwise), then runs
  // makeWay (may be empty; it may move an old target away, and its failure is returned and
  // stops everything), then renames partial to target (AlreadyExists when target is taken).
  // Whatever fails, nothing is left under partial; what makeWay did stays for the caller to
  // undo. progress may be empty; returning false from it cancels (Cancelled, system code 1235).
  // The progress and makeWay callbacks run on the calling thread.
  virtual FsResult CopyIntoPlace(const String& source, const String& partial,
                                 const String& target, const CopyProgressFn& progress,
                                 const MakeWayFn& makeWay) = 0;
  // A rename; fails with AlreadyExists when target exists.
  virtual FsResult MoveFileTo(const String& source, const String& target) = 0;
  // Fails with AccessDenied on a read-only file.
  virtual FsResult RemoveFile(const String& path) = 0;
  // Removes an empty folder.
  virtual FsResult RemoveFolder(const String& path) = 0;
  // Sets the attribute bits of kAttrStatusMask except kAttrDirectory, which is the kind.
  virtual FsResult SetAttributes(const String& path, uint32_t attributes) = 0;
  virtual FsResult SetFileTimes(const String& path, int64_t creationTime, int64_t lastAccessTime,
                                int64_t lastWriteTime) = 0;
};

}  // namespace vl
