#pragma once
#include <cstdint>

#include "core/base/String.h"

namespace vl {

class CArchive;
class IFileSystem;

// One backup item: a folder, a file, a drive root (D:\) or a UNC path.
class CSource {
 public:
  static constexpr uint16_t kSchema = 2;
  static constexpr const char* kClassName = "CSource";

  String path;            // stored
  String targetFolder;    // the target folder of the current run; not stored
  uint32_t volumeSerial = 0;  // stored; 0 when it could not be read
  int32_t recognized = 0;     // stored; 1 when found on this computer at the last check
  int32_t sourceExists = 0;   // run-time flags set by the engine
  int32_t targetExists = 0;
  int32_t mirror = 0;

  String GetItemName() const;
  String MakeTargetPath() const;
  bool IsFile(const IFileSystem& fs) const;

  void Serialize(CArchive& ar);
  // The two directions of Serialize; storing leaves the record as it is.
  void Store(CArchive& ar) const;
  void Load(CArchive& ar);
};

}  // namespace vl
