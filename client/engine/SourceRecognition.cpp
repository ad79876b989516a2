#include "client/engine/SourceRecognition.h"

#include "client/engine/DriveSet.h"
#include "client/model/Source.h"
#include "client/model/SourceList.h"
#include "core/fs/FileSystem.h"

namespace vl {
namespace {

// A and B are floppy letters: asking them can stall on an empty drive.
constexpr int kFirstSearchedDrive = 2;
constexpr int kDriveBits = 32;

bool IsUncPath(StringView path) {
  return path.size() >= 2 && path[0] == VLT('\\') && path[1] == VLT('\\');
}

String DriveRoot(Char letter) { return String{letter, VLT(':'), VLT('\\')}; }

// An item the system refuses to show is here all the same: the run must report it, not skip
// it as absent. A drive that is not ready, or a path that is not found, is not here.
bool IsPresent(const IFileSystem& fs, const String& path) {
  FileStatus status;
  const FsResult found = fs.GetStatus(path, status);
  return found.Ok() || found.error == FsError::AccessDenied;
}

bool Settle(CSource& item, bool recognized) {
  item.recognized = recognized ? 1 : 0;
  return recognized;
}

bool VolumeHasSerial(const IFileSystem& fs, const String& root, uint32_t serial) {
  VolumeInfo info;
  return fs.GetVolumeInfo(root, info) && info.serial == serial;
}

bool RecognizeShare(CSource& item, const IFileSystem& fs) {
  VolumeInfo info;
  if (fs.GetVolumeInfo(VolumeRootOf(item.path), info)) {
    return Settle(item, info.serial == item.volumeSerial);
  }
  item.volumeSerial = 0;
  return Settle(item, false);
}

// The letter of a mounted volume carrying serial, or 0.
Char FindDriveWithSerial(const IFileSystem& fs, const IDriveSet& drives, uint32_t serial) {
  const uint32_t mask = drives.LogicalDriveMask();
  for (int i = kFirstSearchedDrive; i < kDriveBits; ++i) {
    if ((mask & (uint32_t{1} << i)) == 0) continue;
    const Char letter = static_cast<Char>(VLT('A') + i);
    if (!drives.VolumeDeviceOpens(letter)) continue;
    if (VolumeHasSerial(fs, DriveRoot(letter), serial)) return letter;
  }
  return 0;
}

bool RecognizeOnDrive(CSource& item, const IFileSystem& fs, const IDriveSet& drives) {
  if (VolumeHasSerial(fs, VolumeRootOf(item.path), item.volumeSerial) &&
      IsPresent(fs, item.path)) {
    return Settle(item, true);
  }
  const Char letter = FindDriveWithSerial(fs, drives, item.volumeSerial);
  if (letter != 0 && !item.path.empty()) item.path[0] = letter;
  // Without a match the stored path still counts when it exists, whatever volume holds it.
  return Settle(item, IsPresent(fs, item.path));
}

}  // namespace

String VolumeRootOf(StringView path) {
  if (!IsUncPath(path)) return path.empty() ? String() : DriveRoot(path[0]);
  const size_t serverEnd = path.find(VLT('\\'), 2);
  const size_t shareEnd =
      serverEnd == StringView::npos ? StringView::npos : path.find(VLT('\\'), serverEnd + 1);
  if (shareEnd == StringView::npos) return String(path) + VLT('\\');
  return String(path.substr(0, shareEnd + 1));
}

uint32_t VolumeSerialOf(const IFileSystem& fs, StringView path) {
  VolumeInfo info;
  return fs.GetVolumeInfo(VolumeRootOf(path), info) ? info.serial : 0;
}

bool RecognizeSource(CSource& item, const IFileSystem& fs, const IDriveSet& drives) {
  if (item.volumeSerial == 0) return Settle(item, IsPresent(fs, item.path));
  if (IsUncPath(item.path)) return RecognizeShare(item, fs);
  return RecognizeOnDrive(item, fs, drives);
}

size_t RecognizeAll(CSourceList& items, const IFileSystem& fs, const IDriveSet& drives) {
  size_t count = 0;
  for (auto& item : items) {
    if (RecognizeSource(*item, fs, drives)) ++count;
  }
  return count;
}

}  // namespace vl
