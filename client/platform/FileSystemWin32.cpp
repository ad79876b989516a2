#include "client/platform/FileSystemWin32.h"

#include <windows.h>

#include <algorithm>
#include <cwchar>
#include <memory>
#include <utility>

#include "client/model/PathJoin.h"
#include "win32/FileTimes.h"
#include "win32/handles/FileHandle.h"
#include "win32/handles/FindHandle.h"

namespace vl::platform {
namespace {

using win32::FileHandle;
using win32::FileTimeFromLocalSeconds;
using win32::FindHandle;
using win32::LocalSecondsFromFileTime;

FsResult Done(BOOL ok) { return ok ? FsResult{} : FsFailure(GetLastError()); }

uint64_t SizeOf(DWORD high, DWORD low) { return (static_cast<uint64_t>(high) << 32) | low; }

bool IsDotEntry(const wchar_t* name) {
  return std::wcscmp(name, L".") == 0 || std::wcscmp(name, L"..") == 0;
}

bool IsExistingFolder(const String& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The status fields as the system keeps them in each of its records that carry them
// (attribute data, find data, by-handle information), not yet normalized.
template <typename Record>
FileStatus RawStatus(const Record& data) {
  FileStatus status;
  status.attributes = data.dwFileAttributes;
  status.size = SizeOf(data.nFileSizeHigh, data.nFileSizeLow);
  status.creationTime = LocalSecondsFromFileTime(data.ftCreationTime);
  status.lastAccessTime = LocalSecondsFromFileTime(data.ftLastAccessTime);
  status.lastWriteTime = LocalSecondsFromFileTime(data.ftLastWriteTime);
  return status;
}

FolderEntry MakeEntry(const String& folder, const WIN32_FIND_DATAW& data) {
  String name = data.cFileName;
  String path = model::JoinPath(folder, name);
  return MakeFolderEntry(std::move(name), std::move(path), RawStatus(data));
}

// \\server\share\ exactly: two names after the leading backslashes, neither of them the
// \\?\ or \\.\ device prefixes.
bool IsShareRoot(const String& root) {
  if (root.size() < 5 || root.compare(0, 2, L"\\\\") != 0 || root[2] == L'?' || root[2] == L'.')
    return false;
  const size_t serverEnd = root.find(L'\\', 2);
  return serverEnd != String::npos && serverEnd > 2 && serverEnd + 1 < root.size() - 1 &&
         root.find(L'\\', serverEnd + 1) == root.size() - 1;
}

// Wine's GetVolumeInformationW refuses share roots (ERROR_DIR_NOT_ROOT) while the same query
// through a handle to the share's root answers; Windows answers either way.
bool ShareVolumeInfo(const String& root, DWORD& serial, wchar_t (&fileSystem)[MAX_PATH + 1]) {
  FileHandle folder;
  if (!folder.Open(root, 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, OPEN_EXISTING,
                   FILE_FLAG_BACKUP_SEMANTICS))
    return false;
  return GetVolumeInformationByHandleW(folder.Get(), nullptr, 0, &serial, nullptr, nullptr,
                                       fileSystem, MAX_PATH + 1) != FALSE;
}

FsResult LastFailure() { return FsFailure(GetLastError()); }

bool TooLong(const String& path) { return path.size() >= kMaxPathChars; }

// Large enough to keep the calls few, small enough for each of several copying threads to hold
// one of its own.
constexpr uint64_t kCopyChunk = uint64_t{1} << 20;

// What a file can be given; the other bits (compressed, sparse, encrypted ...) the volume
// decides or calls of their own set.
constexpr DWORD kSettableAttributes = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN |
                                      FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE |
                                      FILE_ATTRIBUTE_TEMPORARY | FILE_ATTRIBUTE_OFFLINE |
                                      FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

DWORD SettableAttributes(DWORD attributes) {
  const DWORD settable = attributes & kSettableAttributes;
  return settable ? settable : FILE_ATTRIBUTE_NORMAL;
}

// What a copy takes from its source besides the data.
struct SourceStatus {
  FILE_BASIC_INFO basic{};
  uint64_t size = 0;
};

// Opened once for its status and its data. Others may go on reading, writing and deleting it
// meanwhile, as they may while the system's own copy reads it.
FsResult OpenSource(const String& path, FileHandle& file, SourceStatus& status) {
  const DWORD share = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
  if (!file.Open(path, GENERIC_READ, share, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN) ||
      !file.GetBasicInfo(status.basic) || !file.GetSize(status.size))
    return LastFailure();
  return FsResult{};
}

// The size the source had when it was opened is what is copied: what is appended meanwhile
// belongs to the next version, and a source that shrinks ends the copy early.
FsResult CopyData(const FileHandle& from, const FileHandle& to, uint64_t size,
                  const CopyProgressFn& progress) {
  const size_t capacity = static_cast<size_t>(std::min(size, kCopyChunk));
  const std::unique_ptr<char[]> buffer(new char[capacity]);
  CopyProgressInfo info;
  info.totalSize = info.streamSize = size;
  while (info.streamTransferred < size) {
    const uint64_t left = size - info.streamTransferred;
    const DWORD want = static_cast<DWORD>(std::min<uint64_t>(capacity, left));
    DWORD got = 0;
    if (!from.Read(buffer.get(), want, got)) return LastFailure();
    if (got == 0) break;
    if (!to.Write(buffer.get(), got)) return LastFailure();
    info.streamTransferred += got;
    info.totalTransferred = info.streamTransferred;
    if (progress && !progress(info)) return FsFailure(ERROR_REQUEST_ABORTED);
  }
  return FsResult{};
}

// The new version under its partial name, on the one handle that writes it, gives it the
// source's status, renames it into place or, should anything fail, deletes it.
class PartialFile {
 public:
  // Without the read-only bit, which would refuse the writes.
  FsResult Create(const String& path, DWORD sourceAttributes) {
    const DWORD attributes = SettableAttributes(sourceAttributes & ~FILE_ATTRIBUTE_READONLY);
    if (!m_file.Open(path, GENERIC_WRITE | DELETE, 0, CREATE_NEW, attributes))
      return LastFailure();
    return FsResult{};
  }

  FsResult Fill(const FileHandle& source, const SourceStatus& status,
                const CopyProgressFn& progress) {
    const FsResult copied = CopyData(source, m_file, status.size, progress);
    if (!copied) return copied;
    FILE_BASIC_INFO basic = status.basic;
    basic.ChangeTime.QuadPart = 0;  // the system's to keep
    basic.FileAttributes = SettableAttributes(basic.FileAttributes);
    if (!m_file.SetBasicInfo(basic)) return LastFailure();
    m_attributes = basic.FileAttributes;
    return FsResult{};
  }

  FsResult RenameTo(const String& target) {
    return m_file.RenameTo(target) ? FsResult{} : LastFailure();
  }

  // Goes when the handle closes. The source's read-only bit, once given, would refuse that.
  void Discard() {
    if (m_attributes & FILE_ATTRIBUTE_READONLY) {
      FILE_BASIC_INFO writable{};
      writable.FileAttributes = SettableAttributes(m_attributes & ~FILE_ATTRIBUTE_READONLY);
      m_file.SetBasicInfo(writable);
    }
    m_file.MarkForDeletion();
  }

 private:
  FileHandle m_file;
  DWORD m_attributes = 0;  // what Fill gave it
};

}  // namespace

FsResult FileSystemWin32::GetStatus(const String& path, FileStatus& status) const {
  if (path.size() >= kMaxPathChars) return FsFailure(ERROR_FILENAME_EXCED_RANGE);
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data))
    return FsFailure(GetLastError());
  status = RawStatus(data);
  NormalizeStatus(status);
  return FsResult{};
}

// A listing that breaks off part way (a dropped connection) is a failure, not a short folder:
// the analysis would take the entries it never saw as deleted.
FsResult FileSystemWin32::ListFolder(const String& folder,
                                     std::vector<FolderEntry>& entries) const {
  entries.clear();
  WIN32_FIND_DATAW data{};
  FindHandle find;
  if (!find.First(model::JoinPath(folder, L"*.*"), data)) {
    const DWORD code = GetLastError();
    // A drive root has no "." entry, so an empty one lists nothing at all.
    if (code == ERROR_FILE_NOT_FOUND && IsExistingFolder(folder)) return FsResult{};
    return FsFailure(code == ERROR_FILE_NOT_FOUND ? ERROR_PATH_NOT_FOUND : code);
  }
  do {
    if (!IsDotEntry(data.cFileName)) entries.push_back(MakeEntry(folder, data));
  } while (find.Next(data));
  const DWORD end = GetLastError();
  if (end == ERROR_NO_MORE_FILES) return FsResult{};
  entries.clear();
  return FsFailure(end);
}

FsResult FileSystemWin32::ProbeExclusiveRead(const String& path) const {
  if (path.size() >= kMaxPathChars) return FsFailure(ERROR_FILENAME_EXCED_RANGE);
  FileHandle file;
  if (!file.Open(path, GENERIC_READ, 0, OPEN_EXISTING)) return FsFailure(GetLastError());
  return FsResult{};  // closed at once by the wrapper
}

bool FileSystemWin32::GetVolumeInfo(const String& root, VolumeInfo& info) const {
  // The system wants the root with its final backslash; anything shorter names no volume.
  if (root.size() < 3 || root.back() != L'\\') return false;
  DWORD serial = 0;
  wchar_t fileSystem[MAX_PATH + 1] = {};
  if (!GetVolumeInformationW(root.c_str(), nullptr, 0, &serial, nullptr, nullptr, fileSystem,
                             MAX_PATH + 1) &&
      !(IsShareRoot(root) && ShareVolumeInfo(root, serial, fileSystem)))
    return false;
  info.serial = serial;
  info.fileSystemName = fileSystem;
  return true;
}

FsResult FileSystemWin32::CreateFolder(const String& path) {
  return Done(CreateDirectoryW(path.c_str(), nullptr));
}

// One open of the source and one handle on the new file for everything else. Under Wine each
// open, close and rename by path is a round trip to the server: the system's copy, a second
// open to set the times and a rename by path cost about twice what a plain copy does.
FsResult FileSystemWin32::CopyIntoPlace(const String& source, const String& partial,
                                        const String& target, const CopyProgressFn& progress,
                                        const MakeWayFn& makeWay) {
  if (TooLong(source) || TooLong(partial) || TooLong(target))
    return FsFailure(ERROR_FILENAME_EXCED_RANGE);
  FileHandle from;
  SourceStatus status;
  FsResult result = OpenSource(source, from, status);
  if (!result) return result;
  PartialFile copy;
  result = copy.Create(partial, status.basic.FileAttributes);
  if (!result) return result;
  result = copy.Fill(from, status, progress);
  from.Reset();  // read in full: nothing of ours holds it while the old target makes way
  if (result && makeWay) result = makeWay();
  if (result) result = copy.RenameTo(target);
  if (!result) copy.Discard();
  return result;
}

FsResult FileSystemWin32::MoveFileTo(const String& source, const String& target) {
  return Done(MoveFileExW(source.c_str(), target.c_str(), 0));
}

FsResult FileSystemWin32::RemoveFile(const String& path) { return Done(DeleteFileW(path.c_str())); }

FsResult FileSystemWin32::RemoveFolder(const String& path) {
  return Done(RemoveDirectoryW(path.c_str()));
}

FsResult FileSystemWin32::SetAttributes(const String& path, uint32_t attributes) {
  const DWORD settable = attributes & kAttrStatusMask & ~(kAttrDirectory | kAttrDevice);
  return Done(SetFileAttributesW(path.c_str(), settable ? settable : FILE_ATTRIBUTE_NORMAL));
}

FsResult FileSystemWin32::SetFileTimes(const String& path, int64_t creationTime,
                                       int64_t lastAccessTime, int64_t lastWriteTime) {
  FILETIME created{}, accessed{}, written{};
  if (!FileTimeFromLocalSeconds(creationTime, created) ||
      !FileTimeFromLocalSeconds(lastAccessTime, accessed) ||
      !FileTimeFromLocalSeconds(lastWriteTime, written))
    return FsFailure(ERROR_INVALID_PARAMETER);
  FileHandle file;
  // Backup semantics let the same call set the times of a folder.
  const DWORD share = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
  if (!file.Open(path, FILE_WRITE_ATTRIBUTES, share, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS))
    return FsFailure(GetLastError());
  return Done(SetFileTime(file.Get(), &created, &accessed, &written));
}

uint32_t FileSystemWin32::LogicalDriveMask() const { return GetLogicalDrives(); }

bool FileSystemWin32::VolumeDeviceOpens(Char letter) const {
  const String device = String(L"\\\\?\\") + letter + L':';
  FileHandle volume;
  return volume.Open(device, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_EXISTING);
}

}  // namespace vl::platform
