#pragma once
// What the processing thread of real-time backup works with, apart from the queue: a copy of
// the backup items and settings it needs, taken from the user-interface thread, and where its
// debug lines go.
#include <cstdint>
#include <vector>

#include "core/base/String.h"

namespace vl {

struct RealTimeScope {
  std::vector<String> itemPaths;  // the backup items' paths, in list order
  String backupPath;              // the settings' m_strBackupPath
  int32_t historyMode = 0;        // the settings' m_nHistoryMode
};

// Debug lines ("[VAULTLINE]..."), as DebugTrace writes them.
class IRealTimeTrace {
 public:
  virtual ~IRealTimeTrace() = default;
  virtual void Trace(const String& line) = 0;
};

}  // namespace vl
