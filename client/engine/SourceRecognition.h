#pragma once
// Whether a backup item is on this computer. Items remember the serial number of their volume,
// so an item on a disk whose drive letter changed is found on its new letter and its path is
// moved there.
#include <cstdint>

#include "core/base/String.h"

namespace vl {

class CSource;
class CSourceList;
class IDriveSet;
class IFileSystem;

// The root of path's volume: X:\ for a drive path; for a UNC path \\server\share\ (the whole
// path with a backslash added when nothing follows the share name).
String VolumeRootOf(StringView path);

// The serial number of the volume holding path; 0 when the volume cannot be queried.
uint32_t VolumeSerialOf(const IFileSystem& fs, StringView path);

// Sets and returns item.recognized. May rewrite the drive letter of item.path, or clear
// item.volumeSerial of a share that cannot be reached, after which the item is recognised by
// the existence of its path alone.
bool RecognizeSource(CSource& item, const IFileSystem& fs, const IDriveSet& drives);

// Recognises every item anew, in list order; the number recognised.
size_t RecognizeAll(CSourceList& items, const IFileSystem& fs, const IDriveSet& drives);

}  // namespace vl
